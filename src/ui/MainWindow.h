#pragma once

#include <QMainWindow>
#include <QString>
#include <QStringList>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QPainter;
class QPushButton;
class QTableWidget;
class BevelButton;
class Canvas;
class EdgeAnchoring;

namespace MainWindowControls {
struct ControlProperties;
}

// The application's one window. Its controls are built from one table of designer properties
// (src/ui); its handlers live in src/consultation, one file per concern.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    MainWindow();
    ~MainWindow() override;

    // The single window, created and opened on first use.
    static MainWindow& instance();

    // Opens a constructed window the way the framework opens one: the controls' Open handlers
    // (FontPU_Open, CopyBT_Open), then the window's Event_Open.
    void Open();

    // Control accessors; the four array accessors take the member's index.
    QTableWidget* MainLB() const;
    QComboBox* ManuscriptPU() const;
    QComboBox* EditionPU() const;
    QComboBox* LaisseVersePU() const;
    QLineEdit* SearchTF() const;
    QPushButton* SearchBT() const;
    QLabel* ST(int index) const;
    QLineEdit* StatusST() const;
    QTableWidget* CorrespondanceLB(int index) const;
    QLabel* MsST(int index) const;
    Canvas* Canvas1() const;
    QComboBox* FontPU() const;
    QComboBox* SizePU() const;
    BevelButton* CopyBT() const;
    BevelButton* PrevNextLaisse(int index) const;
    Canvas* Canvas2() const;

    // Menu-item accessors: the item of that name below the window's menu bar.
    QAction* EditMenu() const;
    QAction* EditSelectAll() const;
    QAction* EditSeparator2() const;
    QAction* EditClear() const;
    QAction* EditPaste() const;
    QAction* EditCopy() const;
    QAction* EditCut() const;
    QAction* EditSeparator1() const;
    QAction* EditUndo() const;
    QAction* FileMenu() const;
    QAction* FileQuit() const;

    // Control event handlers (src/consultation).
    bool MainLB_SortColumn(QTableWidget* sender, int column);
    void ManuscriptPU_Change(QComboBox* sender);
    void EditionPU_Change(QComboBox* sender);
    bool SearchTF_KeyDown(QLineEdit* sender, const QString& key);
    void SearchBT_Action(QPushButton* sender);
    void CorrespondanceLB_Change(QTableWidget* sender);
    void Canvas1_Paint(Canvas* sender, QPainter& g);
    void Canvas1_MouseUp(Canvas* sender, int x, int y);
    bool Canvas1_MouseDown(Canvas* sender, int x, int y);
    void Canvas1_MouseEnter(Canvas* sender);
    void FontPU_Open(QComboBox* sender);
    void FontPU_Change(QComboBox* sender);
    void SizePU_TextChanged(QComboBox* sender);
    void CopyBT_Action(BevelButton* sender);
    void CopyBT_Open(BevelButton* sender);
    void PrevNextLaisse_Action(BevelButton* sender);
    void Canvas2_Paint(Canvas* sender, QPainter& g);
    void Canvas2_MouseUp(Canvas* sender, int x, int y);
    bool Canvas2_MouseDown(Canvas* sender, int x, int y);
    void Canvas2_MouseEnter(Canvas* sender);

    // Window methods (src/consultation).
    void Event_Open();
    void Event_Close();
    void SetManuscriptObj();
    void Search(const QString& laisse, qint64 mode);
    void OKpressed();
    void GetLaisseText(const QString& laisse, qint64 verse, bool ownNumbering);
    void CopyList(QTableWidget* list, QStringList& lines);
    void Copy_RemoveMarking(QStringList& lines);
    void Copy_ArrangeVerseNum(QStringList& lines);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Layout();
    void CreateControls();
    void _CreateControls0();
    QWidget* createControl(const MainWindowControls::ControlProperties& row);
    void attachHandlers(QWidget* control, const QString& name);
    void attachCanvas(Canvas* canvas, void (MainWindow::*paint)(Canvas*, QPainter&),
                      bool (MainWindow::*mouseDown)(Canvas*, int, int),
                      void (MainWindow::*mouseUp)(Canvas*, int, int),
                      void (MainWindow::*mouseEnter)(Canvas*));
    QAction* menuItem(const char* name) const;
    bool eventFilter(QObject* watched, QEvent* event) override;

    // Holds the controls, below the menu bar; the controls are found in it by name and index.
    QWidget* m_content;
    EdgeAnchoring* m_anchoring;
};
