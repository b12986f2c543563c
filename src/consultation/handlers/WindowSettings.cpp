#include "consultation/logic/ListFont.h"
#include "consultation/logic/SettingsFile.h"
#include "consultation/logic/WindowPlacement.h"
#include "data/ThisApp.h"
#include "ui/MainWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QTableWidget>

namespace {

// The main list and the four correspondence lists, which always share one font and size.
QList<QTableWidget*> FiveLists(const MainWindow& window)
{
    return {window.MainLB(), window.CorrespondanceLB(0), window.CorrespondanceLB(1),
            window.CorrespondanceLB(2), window.CorrespondanceLB(3)};
}

// Selects index in popup as a user's choice would, so its change handler runs once, even when
// the index is already selected (the popup then reports no change of its own). An index that
// the popup does not hold leaves it as it is.
template <typename Handler>
void RestoreChoice(QComboBox* popup, int index, Handler handler)
{
    if (index < -1 || index >= popup->count())
        return;
    if (popup->currentIndex() == index)
        handler(popup);
    else
        popup->setCurrentIndex(index);
}

// Set on the font popup once the reader has chosen a family, in this run or in the one whose
// choice was read back. The popup shows the lists' family from the start, so its index alone
// does not tell a choice from the system's default.
const char* const FontChosen = "fontChosen";

// The default font may be measured in pixels rather than points.
void TakeDefaultSize(QFont& font, const QFont& defaultFont)
{
    if (defaultFont.pointSizeF() > 0)
        font.setPointSizeF(defaultFont.pointSizeF());
    else
        font.setPixelSize(defaultFont.pixelSize());
}

} // namespace

void MainWindow::Event_Open()
{
    const std::optional<WindowSettings> settings = ReadWindowSettings(ThisApp::PreferenceFolder);
    if (!settings) {
        // The lists take the size that the size box shows from the first start on, so that the
        // size stored at quit changes nothing at the next start.
        SizePU_TextChanged(SizePU());
        return;
    }

    QList<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens())
        screens.append(screen->availableGeometry());
    const QScreen* primary = QGuiApplication::primaryScreen();
    const QRect frame = RestoredFrame(settings->left, settings->top, settings->width,
                                      settings->height, minimumSize(), maximumSize(), screens,
                                      primary ? primary->availableGeometry() : QRect());
    move(frame.topLeft());
    resize(frame.size());

    RestoreChoice(ManuscriptPU(), settings->manuscript,
                  [this](QComboBox* popup) { ManuscriptPU_Change(popup); });
    RestoreChoice(EditionPU(), settings->edition,
                  [this](QComboBox* popup) { EditionPU_Change(popup); });
    RestoreChoice(LaisseVersePU(), settings->laisseVerse, [](QComboBox*) {});
    // No family stored: the lists keep the system's, which the popup already shows.
    if (settings->font >= 0)
        RestoreChoice(FontPU(), settings->font, [this](QComboBox* popup) { FontPU_Change(popup); });
    if (SizePU()->currentText() == settings->size)
        SizePU_TextChanged(SizePU());
    else
        SizePU()->setCurrentText(settings->size);
}

void MainWindow::Event_Close()
{
    WindowSettings settings;
    settings.left = x();
    settings.top = y();
    settings.width = width();
    settings.height = height();
    settings.manuscript = ManuscriptPU()->currentIndex();
    settings.edition = EditionPU()->currentIndex();
    settings.laisseVerse = LaisseVersePU()->currentIndex();
    // An index stored without a choice would pick another family once fonts are installed.
    settings.font = FontPU()->property(FontChosen).toBool() ? FontPU()->currentIndex() : -1;
    settings.size = SizePU()->currentText();
    WriteWindowSettings(ThisApp::PreferenceFolder, settings);
}

void MainWindow::FontPU_Open(QComboBox* sender)
{
    // Filling the popup is not a choice of font: the lists keep theirs until the user picks one,
    // and the popup shows the family they are drawn in.
    const QSignalBlocker blocker(sender);
    sender->addItems(QFontDatabase::families());
    sender->setCurrentIndex(sender->findText(QFontInfo(MainLB()->font()).family()));
    // Picking the family already shown is a choice too, though the popup reports no change.
    connect(sender, &QComboBox::activated, this,
            [sender] { sender->setProperty(FontChosen, true); });
}

void MainWindow::FontPU_Change(QComboBox* sender)
{
    sender->setProperty(FontChosen, sender->currentIndex() >= 0);
    for (QTableWidget* list : FiveLists(*this)) {
        QFont font = list->font();
        // No font chosen: the lists go back to the system's font.
        font.setFamily(sender->currentIndex() < 0 ? QApplication::font(list).family()
                                                  : sender->currentText());
        list->setFont(font);
    }
}

void MainWindow::SizePU_TextChanged(QComboBox* sender)
{
    const float size = ListTextSize(sender->currentText());
    for (QTableWidget* list : FiveLists(*this)) {
        QFont font = list->font();
        if (size > 0.0f)
            font.setPointSizeF(double(size));
        else
            TakeDefaultSize(font, QApplication::font(list));
        list->setFont(font);
    }
}
