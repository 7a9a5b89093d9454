// HelpText.cpp: the wording of the user guide. Keys named here are the ones the game windows bind.
#include "HelpText.h"

namespace HelpText {

namespace {

QList<Section> english()
{
    return {
        { QStringLiteral("Quarry Puzzle"),
            QStringLiteral(
                R"(Quarry Puzzle holds two different puzzles, both played with pictures: the logic puzzle, a sliding-tile puzzle, and the jigsaw puzzle. Each comes at several levels: the logic puzzle cuts its picture into 3 × 3 up to 10 × 10 tiles; the jigsaw cuts it into 16, 36 or 64 shaped pieces, or cuts small figures out of a board. Every new game takes one of the ten built-in pictures at random; when the preferences file fav.dll is present (see Support), the level is also drawn anew for every game.

Each game window has a menu, a clock, a tool window with buttons for the game's commands, and a preview window that shows the whole picture.)") },
        { QStringLiteral("Choosing a game"),
            QStringLiteral(
                R"(The start window shows three picture buttons: the jigsaw puzzle, the logic puzzle, and leave. Click one, or press Ctrl+J for the jigsaw puzzle or Ctrl+L for the logic puzzle. Closing a game window (Exit, F12, or its close box) brings the start window back, where you can choose again; closing the start window ends the program.)") },
        { QStringLiteral("The logic puzzle"),
            QStringLiteral(
                R"(The picture is divided evenly into a square grid of tiles. One tile, chosen at random, is taken away and leaves the blank, and the tiles are mixed up. Move tiles into the blank until the picture is whole again: click a tile next to the blank, or press an arrow key to slide the tile beside the blank into it in the direction of the arrow. The clock runs and every move counts a step; when the picture is whole you get your score. A game ends when the clock reaches 9999 seconds.

Keys:
  F1    Help
  F2    Restart: a new game with a new picture
  F3    Pause / resume
  F4    Back colour: colour and pattern of the window background
  F5    Preview: the whole picture in a small window
  F6    Sound on / off
  F7    Open picture: a new game with a new picture
  F8    Option: apply the preferences again
  F12   Exit
  Ctrl+N  New game…: choose the picture and the board size; the choice holds for the next games (F2) until you change it

Swap mode: while swap mode is on you can exchange any two tiles: right-click one tile, then right-click another, and the two change places (this counts a step). The first tile stays framed until the second right-click; Esc drops it. Some boards can only be finished with a swap.

A right-click on the window background opens the game menu.)") },
        { QStringLiteral("The jigsaw puzzle"),
            QStringLiteral(
                R"(The picture is cut into pieces of geometric shapes, which are scattered over the window; with rotation on, they are also turned. Drag a piece with the left mouse button. With rotation on, a right-click turns a piece, or a group of joined pieces, a quarter turn. When you drop a piece in its place next to a neighbour, turned the right way, the two join and move together from then on. The picture is finished when all pieces are joined; then you get your score. In most levels a frame at the top right shows where and how large the finished picture is, but pieces join wherever you put them together.

The function keys are the same as in the logic puzzle: F1 help, F2 restart, F3 pause, F4 back colour, F5 preview, F6 sound, F7 new picture, F8 option, F12 exit. While the game is paused the pieces do not move. A right-click on the window background opens the game menu. Gather pieces (Ctrl+G) moves every piece that lies partly outside the window, under the preview or tool window, or under a larger piece onto free space, without joining anything. New game… (Ctrl+N) chooses the picture, the kind of level, the number of pieces, the shape style and rotation for this and the following games.)") },
        { QStringLiteral("Support"),
            QStringLiteral(R"(Quarry Puzzle is free to use. It has no web site and no support address.

Your preferences are kept in the file fav.dll in the program's folder, one line per game: the line beginning G0 for the logic puzzle, the line beginning G1 for the jigsaw. The back colour and the sound switch are saved there. You can edit the file with a text editor and press F8 (Option) to apply it: in the G0 line, M1 turns swap mode on (M0 off), L1 shows tile numbers and K0 hides tile borders; in the G1 line, R1 turns rotation on. Some settings take effect at once, others with the next game. Options… (Ctrl+,) sets them without a text editor.

To reset the preferences, delete fav.dll: both games then use their default settings. The program never creates the file, so without it changes such as the back colour and the sound switch are no longer saved. To save them again, create fav.dll as a plain text file with these two lines:
  G0,BF0132768,D1,M1,L0,K1,S1,
  G1,BE0132768,D0,R0,M0,S1,P0,)") },
    };
}

QList<Section> chinese()
{
    return {
        { QStringLiteral("简介"),
            QStringLiteral(
                R"(Quarry Puzzle 包含两种不同的拼图游戏，都以图片来玩：智力拼图（滑块拼图）和拼图游戏。每种游戏都有多个级别：智力拼图把图片分成 3 × 3 到 10 × 10 块；拼图游戏把图片切成 16、36 或 64 块不同形状的碎片，或者从一块底板上切出小图形。每局新游戏从十幅内置图片中随机选取一幅；如果有偏好设置文件 fav.dll（见“支持”），每局的级别也会随机重新选取。

每个游戏窗口都有菜单、计时器、一个带有游戏命令按钮的工具窗口，以及一个显示完整图片的预览窗口。)") },
        { QStringLiteral("选择游戏"),
            QStringLiteral(
                R"(启动窗口中有三个图片按钮：拼图游戏、智力拼图和离开。单击其中一个按钮，或者按 Ctrl+J 打开拼图游戏、按 Ctrl+L 打开智力拼图。关闭游戏窗口（“退出”、F12 或窗口的关闭按钮）后会回到启动窗口，可以重新选择；关闭启动窗口即退出程序。)") },
        { QStringLiteral("智力拼图"),
            QStringLiteral(
                R"(图片被平均分成正方形网格的若干小块。随机取走其中一块，留下空位，然后把各块打乱。把小块移入空位，直到图片恢复完整：单击空位旁边的小块，或者按方向键，把空位旁边的小块沿箭头方向滑入空位。计时器一直在走，每移动一次记一步；图片完整时会显示您的得分。计时到 9999 秒时游戏结束。

按键：
  F1    帮助
  F2    重新开始：换一幅新图片开始新游戏
  F3    暂停 / 继续
  F4    背景颜色：窗口背景的颜色和图案
  F5    预览：在小窗口中显示完整图片
  F6    打开 / 关闭声音
  F7    打开图片：换一幅新图片开始新游戏
  F8    选项：重新应用偏好设置
  F12   退出
  Ctrl+N  新游戏…：选择图片和棋盘大小；此后的游戏（F2）沿用这一选择，直到再次更改

交换模式：交换模式打开时，可以交换任意两块：先右击一块，再右击另一块，两块即互换位置（记一步）。第一块在第二次右击之前带有边框；按 Esc 取消选择。有些局面只有通过交换才能完成。

在窗口背景上单击右键会打开游戏菜单。)") },
        { QStringLiteral("拼图游戏"),
            QStringLiteral(
                R"(图片被切成各种几何形状的碎片，散放在窗口中；打开旋转时，碎片还会被转动。用鼠标左键拖动碎片。打开旋转时，右击一块碎片或一组已拼合的碎片，可将其转动四分之一圈。把碎片放到相邻碎片旁边的正确位置、并且方向正确时，两者就会拼合，此后一起移动。所有碎片都拼合后图片完成，并显示您的得分。多数级别在窗口右上方画出一个框，表示完成后图片的位置和大小，不过碎片在任何位置都可以拼合。

功能键与智力拼图相同：F1 帮助、F2 重新开始、F3 暂停、F4 背景颜色、F5 预览、F6 声音、F7 新图片、F8 选项、F12 退出。游戏暂停时碎片不能移动。在窗口背景上单击右键会打开游戏菜单。收拢拼块（Ctrl+G）会把部分位于窗口之外、被预览窗口或工具窗口遮住、或被更大的碎片盖住的碎片移到空处，不会拼合任何碎片。新游戏…（Ctrl+N）可以为本局和之后的游戏选择图片、关卡类型、碎片数量、形状样式和旋转。)") },
        { QStringLiteral("支持"), QStringLiteral(R"(Quarry Puzzle 可以免费使用。它没有网站，也没有支持邮箱。

偏好设置保存在程序文件夹中的文件 fav.dll 里，每个游戏一行：以 G0 开头的一行属于智力拼图，以 G1 开头的一行属于拼图游戏。背景颜色和声音开关保存在这里。可以用文本编辑器修改该文件，然后按 F8（选项）应用：在 G0 一行中，M1 打开交换模式（M0 关闭），L1 显示小块编号，K0 隐藏小块边框；在 G1 一行中，R1 打开旋转。有些设置立即生效，有些从下一局开始生效。菜单项 Options…（Ctrl+,）无需文本编辑器即可设置它们。

要恢复默认设置，请删除 fav.dll：两个游戏都将使用默认设置。程序从不创建这个文件，因此删除之后，背景颜色、声音开关等更改将不再保存。如需重新保存，请新建纯文本文件 fav.dll，写入以下两行：
  G0,BF0132768,D1,M1,L0,K1,S1,
  G1,BE0132768,D0,R0,M0,S1,P0,)") },
    };
}

} // namespace

QList<Section> sections(StringTable::Language language)
{
    return language == StringTable::Language::Chinese ? chinese() : english();
}

QString guide(StringTable::Language language)
{
    QStringList parts;
    for (const Section& section : sections(language))
        parts << section.title + u'\n' + section.body;
    return parts.join(QStringLiteral("\n\n")) + u'\n';
}

} // namespace HelpText
