#pragma once

#include <QMap>

class QComboBox;
class QLineEdit;
class QPushButton;
class QTableWidget;
class BevelButton;
class Canvas;
class CopyingList;

namespace MainWindowControls {
class ST;
class MsST;
class CorrespondanceLB;
class PrevNextLaisse;
} // namespace MainWindowControls

// The window's controls, grouped by class, each kept as its class as the control table makes
// it; the members of an array by their index.
struct WindowControls
{
    CopyingList* MainLB = nullptr;
    QMap<int, MainWindowControls::CorrespondanceLB*> CorrespondanceLB;
    QComboBox *ManuscriptPU = nullptr, *EditionPU = nullptr, *LaisseVersePU = nullptr;
    QComboBox *FontPU = nullptr, *SizePU = nullptr;
    QLineEdit *SearchTF = nullptr, *StatusST = nullptr;
    QPushButton* SearchBT = nullptr;
    BevelButton* CopyBT = nullptr;
    QMap<int, MainWindowControls::PrevNextLaisse*> PrevNextLaisse;
    QMap<int, MainWindowControls::ST*> ST;
    QMap<int, MainWindowControls::MsST*> MsST;
    Canvas *Canvas1 = nullptr, *Canvas2 = nullptr;
};
