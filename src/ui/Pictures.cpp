#include "ui/Pictures.h"

#include <utility>

PictureStore::PictureStore(QString path) : m_path(std::move(path)) {}

QImage PictureStore::picture()
{
    if (m_picture.isNull())
        m_picture.load(m_path);
    return m_picture;
}

QImage Tamrel_Logo()
{
    static PictureStore store(":/pictures/Tamrel_Logo");
    return store.picture();
}

QImage ProjVestrand2()
{
    static PictureStore store(":/pictures/ProjVestrand2");
    return store.picture();
}
