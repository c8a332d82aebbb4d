// The game window: its controls, the game state, and every handler.
//
// The window owns the whole game: solutionGrid, the 81 cells (the only store
// of the player's entries), elapsedSeconds and Timer1. Each control's object
// name is its member's name (the cells are "tile_0".."tile_80", the pictures
// "Picture3_0".."Picture3_2"), so tools and tests find them by name. Cell k of
// `tile` shows character k of a grid text; gridText.h has the numbering.
#pragma once

#include "runTimeRandom.h"

#include <QMargins>
#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

class LinkLabel;
class LinkPicture;
class QLabel;
class QPushButton;
class QRadioButton;
class QTimer;
class TextCell;

class frmsudoku : public QWidget {
    Q_OBJECT

public:
    explicit frmsudoku(QWidget* parent = nullptr);
    ~frmsudoku() override;

    // Loads the window: icon, font face, caption; centres and shows it, paints
    // it, and deals the first puzzle.
    void Form_Load();

protected:
    bool event(QEvent* event) override;

private:
    // Handlers.
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

    // The clock's caption for a count of seconds: HH:MM SS, each field at
    // least two digits, hours without an upper bound.
    static QString ClockCaption(std::int32_t seconds);
    // The face that controls take on an operating system with this major
    // version; empty to keep the faces the window was built with.
    static QString FontFaceForOsMajor(int major);
    // The major version of the operating system; 0 where it has none that
    // the face choice knows (everything but Windows).
    static int OsMajorVersion();

    void buildSidePanel();
    void buildBottomRow();
    void buildBoard();
    void orderTabStops();
    void keepTabOnChosenLevel();
    void applyFontFace(const QString& face);
    void centreOnScreen(QMargins frame);
    void settleOnFrame();
    void addSeconds(int seconds);
    void moveFromCell(int index, Qt::Key direction);
    void Randomize();
    float Rnd();

    // The side panel, top to bottom.
    QLabel* Label1; // "Puzzle Timer", the clock's heading
    QWidget* Line1; // rule under the heading
    QLabel* lblTimer; // the clock, HH:MM SS
    QWidget* Line2; // rule under the clock
    QLabel* Label2; // "Difficulty Level", the options' heading
    QWidget* Line3; // rule under the heading
    QRadioButton* Option1; // "Beginner/Easy", level 1
    QRadioButton* Option2; // "Intermediate/Medium", level 2, chosen at start
    QRadioButton* Option3; // "Professional/Hard", level 3
    QWidget* Line4; // rule under the options
    QPushButton* cmdMathCheck; // "Check Your Progress"
    QPushButton* newGame; // "Create New Puzzle"
    QPushButton* cmdQuit; // "Quit"
    QPushButton* Command4; // "Solve"
    QLabel* Label3; // "Check Progress Legend", the legend's heading
    QWidget* Line6; // rule under the legend's heading
    QLabel* Label4; // red swatch of the legend
    QLabel* Label6; // "= Incorrect Entry", beside the red swatch
    QLabel* Label5; // grey swatch of the legend
    QLabel* Label7; // "= Correct Entry", beside the grey swatch
    // The bottom row, left to right.
    QLabel* Label8; // "Visit Our Site:"
    LinkLabel* Label9; // the maker's name, a link to the maker's web site
    std::array<LinkPicture*, 3> Picture3; // links to the maker's Facebook, Twitter and LinkedIn pages
    QLabel* Label11; // the maker's copyright notice
    // The clock's one-second tick, and the board.
    QTimer* Timer1;
    std::array<TextCell*, 81> tile;

    // The solution of the puzzle on the board.
    std::string solutionGrid;
    // The puzzle clock: ticks and penalties, in whole seconds.
    std::int32_t elapsedSeconds = 0;

    // The general random source of new games; the draws of a test replace it.
    RunTimeRandom m_random;
    std::function<float()> m_scriptedDraws;
    // The frame the window was centred with, until the platform reports the
    // real frame.
    std::optional<QMargins> m_centredFrame;

    // The tests' one way in; see tests/testAccess.h.
    friend struct TestAccess;
};
