#pragma once

#include "ui/MainMenuBar.h"
#include "ui/WindowControls.h"

#include <QMainWindow>
#include <QString>
#include <QStringList>

class QComboBox;
class QLabel;
class QLineEdit;
class QPainter;
class QPushButton;
class QTableWidget;
class BevelButton;
class Canvas;
class EdgeAnchoring;

// The application's one window. Its controls, and the handler each event of theirs reaches, are
// the rows of one table (src/ui/ControlTable.cpp); its handlers live in
// src/consultation/handlers, one file per concern, as listed below.
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

    // Control accessors, by class as the window keeps them; the four array accessors take the
    // member's index and give nullptr for an index the array does not have.
    QTableWidget* MainLB() const;
    QTableWidget* CorrespondanceLB(int index) const;
    QComboBox* ManuscriptPU() const { return m_controls.ManuscriptPU; }
    QComboBox* EditionPU() const { return m_controls.EditionPU; }
    QComboBox* LaisseVersePU() const { return m_controls.LaisseVersePU; }
    QComboBox* FontPU() const { return m_controls.FontPU; }
    QComboBox* SizePU() const { return m_controls.SizePU; }
    QLineEdit* SearchTF() const { return m_controls.SearchTF; }
    QLineEdit* StatusST() const { return m_controls.StatusST; }
    QPushButton* SearchBT() const { return m_controls.SearchBT; }
    BevelButton* CopyBT() const { return m_controls.CopyBT; }
    BevelButton* PrevNextLaisse(int index) const;
    QLabel* ST(int index) const;
    QLabel* MsST(int index) const;
    Canvas* Canvas1() const { return m_controls.Canvas1; }
    Canvas* Canvas2() const { return m_controls.Canvas2; }

    // Menu-item accessors: the item of that name in the window's menu bar, nullptr while the
    // window shows no bar.
    QAction* EditMenu() const { return menuItem(&MainMenuBar::Items::EditMenu); }
    QAction* EditSelectAll() const { return menuItem(&MainMenuBar::Items::EditSelectAll); }
    QAction* EditSeparator2() const { return menuItem(&MainMenuBar::Items::EditSeparator2); }
    QAction* EditClear() const { return menuItem(&MainMenuBar::Items::EditClear); }
    QAction* EditPaste() const { return menuItem(&MainMenuBar::Items::EditPaste); }
    QAction* EditCopy() const { return menuItem(&MainMenuBar::Items::EditCopy); }
    QAction* EditCut() const { return menuItem(&MainMenuBar::Items::EditCut); }
    QAction* EditSeparator1() const { return menuItem(&MainMenuBar::Items::EditSeparator1); }
    QAction* EditUndo() const { return menuItem(&MainMenuBar::Items::EditUndo); }
    QAction* FileMenu() const { return menuItem(&MainMenuBar::Items::FileMenu); }
    QAction* FileQuit() const { return menuItem(&MainMenuBar::Items::FileQuit); }

    // Request dispatch: src/consultation/handlers/RequestDispatch.cpp.
    bool SearchTF_KeyDown(QLineEdit* sender, const QString& key);
    void SearchBT_Action(QPushButton* sender);
    void OKpressed();

    // Laisse display and the step buttons: handlers/LaisseDisplay.cpp.
    void GetLaisseText(const QString& laisse, qint64 verse, bool ownNumbering);
    void CorrespondanceLB_Change(QTableWidget* sender);
    void PrevNextLaisse_Action(BevelButton* sender);

    // Correspondence lists: handlers/CorrespondanceLists.cpp.
    void Search(const QString& laisse, qint64 mode);

    // Copying: handlers/Copying.cpp.
    void CopyBT_Open(BevelButton* sender);
    void CopyBT_Action(BevelButton* sender);
    void MainLB_Copy(QTableWidget* sender);
    void CorrespondanceLB_Copy(QTableWidget* sender);
    void CopyList(QTableWidget* list, QStringList& lines);
    void Copy_RemoveMarking(QStringList& lines);
    void Copy_ArrangeVerseNum(QStringList& lines);

    // Window settings, list font and size: handlers/WindowSettings.cpp.
    void Event_Open();
    void Event_Close();
    void FontPU_Open(QComboBox* sender);
    void FontPU_Change(QComboBox* sender);
    void SizePU_TextChanged(QComboBox* sender);

    // Manuscript choice and the handlers that do nothing: handlers/ManuscriptChoice.cpp.
    void ManuscriptPU_Change(QComboBox* sender);
    // Loads the current manuscript into ManuscriptDic when it is not there.
    // Kept in the window's interface; no event calls it.
    void SetManuscriptObj();
    void EditionPU_Change(QComboBox* sender);
    bool MainLB_SortColumn(QTableWidget* sender, int column);

    // Logo canvases: handlers/LogoCanvases.cpp.
    void Canvas1_Paint(Canvas* sender, QPainter& g);
    void Canvas2_Paint(Canvas* sender, QPainter& g);
    bool Canvas1_MouseDown(Canvas* sender, int x, int y);
    bool Canvas2_MouseDown(Canvas* sender, int x, int y);
    void Canvas1_MouseUp(Canvas* sender, int x, int y);
    void Canvas2_MouseUp(Canvas* sender, int x, int y);
    void Canvas1_MouseEnter(Canvas* sender);
    void Canvas2_MouseEnter(Canvas* sender);

signals:
    // Raised by Open before Event_Open runs; the controls' Open events hang on it.
    void opening();

protected:
    void closeEvent(QCloseEvent* event) override;
    // Return and Enter that the focused control leaves reach the window, which presses its default
    // button, as a dialog does.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Layout();
    void CreateControls();
    // Makes the controls of the table one after the other: each of its class with its designer
    // properties, kept in m_controls and anchored, then its handlers attached.
    void createControlsInOrder();
    QAction* menuItem(QAction* MainMenuBar::Items::*item) const;

    // Holds the controls, below the menu bar.
    QWidget* m_content;
    EdgeAnchoring* m_anchoring;
    WindowControls m_controls;
};
