#pragma once

#include <QImage>
#include <QString>

// A picture loaded on first use and held from then on. While it cannot be loaded, picture() gives
// a null image and the next call tries again.
class PictureStore
{
public:
    explicit PictureStore(QString path);
    QImage picture();

private:
    QString m_path;
    QImage m_picture;
};

// The two logos that the canvases at the foot of the window draw, from the application's resources.
QImage Tamrel_Logo();
QImage ProjVestrand2();
