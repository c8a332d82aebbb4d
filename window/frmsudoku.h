// The game window: its controls, the game state, and every handler.
//
// The window owns the whole game: solutionGrid, the 81 cells (the only store
// of the player's entries), boardDigits, elapsedSeconds and Timer1. Controls
// carry the names of the window design as member and object names.
//
// Cell k (0..80) of `tile` shows grid position k + 1: row k / 9 + 1 and
// column k % 9 + 1, both counted from 1; tile[0] is top left, tile[80]
// bottom right.
#pragma once

#include "engine/runTimeRandom.h"

#include <QIcon>
#include <QLabel>
#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>
#include <string>

class QPushButton;
class QRadioButton;
class QTimer;
class TextCell;
class LinkLabel;
class LinkPicture;

class frmsudoku : public QWidget {
    Q_OBJECT

public:
    explicit frmsudoku(QWidget* parent = nullptr);
    ~frmsudoku() override;

    // Controls of the design, side panel top to bottom, then the bottom row.
    QLabel* Label1;
    QWidget* Line1;
    QLabel* lblTimer;
    QWidget* Line2;
    QLabel* Label2;
    QWidget* Line3;
    QRadioButton* Option1;
    QRadioButton* Option2;
    QRadioButton* Option3;
    QWidget* Line4;
    QPushButton* cmdMathCheck;
    QPushButton* newGame;
    QPushButton* cmdQuit;
    QPushButton* Command4;
    QLabel* Label3;
    QWidget* Line6;
    QLabel* Label4;
    QLabel* Label6;
    QLabel* Label5;
    QLabel* Label7;
    QLabel* Label8;
    LinkLabel* Label9;
    std::array<LinkPicture*, 3> Picture3;
    QLabel* Label11;
    QTimer* Timer1;
    std::array<TextCell*, 81> tile;

    // The game.
    std::string solutionGrid;
    std::int32_t elapsedSeconds = 0;
    // The digits of the puzzle on the board, indexed [column][row], both 1..9
    // (0 for a blank); written and read back by ShowPuzzle only.
    std::array<std::array<std::int16_t, 10>, 10> boardDigits{};

    // Handlers.
    void Form_Load();
    void newGame_Click();
    void cmdMathCheck_Click();
    void Command4_Click();
    void cmdQuit_Click();
    void Label9_Click();
    void Picture3_Click(int Index);
    void Timer1_Timer();
    void tile_Change(int Index);

    // Routines of the window.
    void ShowPuzzle(const std::string& puzzle);
    bool CheckForErrors();
    void SetIcon(QWidget* hwnd, const QString& sIconResName, bool bSetAsAppIcon = false);
    static void CellPosition(int index, int& column, int& row);
    static int CellIndex(int column, int row);

    // The clock's caption for a count of seconds: HH:MM SS, each field at
    // least two digits, hours without an upper bound.
    static QString ClockCaption(std::int32_t seconds);
    // The face that controls take on an operating system with this major
    // version; empty to keep the faces of the design.
    static QString FontFaceForOsMajor(int major);
    // The major version of the operating system; 0 where it has none that
    // the face choice knows (everything but Windows).
    static int OsMajorVersion();

    // New games draw from the clock-seeded source unless draws are scripted;
    // scripted draws also make reseeding do nothing. An empty function
    // restores the clock-seeded source.
    void setScriptedDraws(std::function<float()> draws);

    // The most carve seeds one new game tries before it gives up.
    static constexpr int MaxCarveSeeds = 100;

private:
    void buildControls();
    void buildBoard();
    void setTabOrder();
    void keepTabOnChosenLevel();
    void applyFontFace(const QString& face);
    void addSeconds(int seconds);
    void moveFromCell(int index, Qt::Key direction);
    void Randomize();
    float Rnd();

    RunTimeRandom m_random;
    std::function<float()> m_scriptedDraws;
};

// A label that acts as a web link: it reports a click of the left button.
class LinkLabel : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// A picture that acts as a web link. Unlike a label it takes the focus in
// the tab order, so Space or Enter opens it as a click does.
class LinkPicture : public QWidget {
    Q_OBJECT

public:
    using QWidget::QWidget;

    void setPicture(const QIcon& picture);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QIcon m_picture;
};
