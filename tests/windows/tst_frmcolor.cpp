// tst_frmcolor.cpp: the back-colour dialog: opening, choosing, and its three ways of closing.
#include "BackColourArt.h"
#include "BackTile.h"
#include "BackTileFile.h"
#include "ColourValue.h"
#include "Frm_color.h"
#include "PictureBox.h"
#include "TestSupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

namespace {
QImage plainTile(QRgb colour)
{
    QImage tile(5, 4, QImage::Format_RGB32);
    tile.fill(colour);
    return tile;
}

template <typename T> T* child(const QWidget& dialog, const QString& name)
{
    T* found = dialog.findChild<T*>(name);
    if (!found)
        qFatal("no control %s", qPrintable(name));
    return found;
}

PictureBox* pattern(const QWidget& dialog, int index)
{
    return child<PictureBox>(dialog, QStringLiteral("Image1_%1").arg(index));
}

QList<int> borderedPatterns(const QWidget& dialog)
{
    QList<int> bordered;
    for (int i = 0; i < BackColourArt::PatternCount; ++i)
        if (pattern(dialog, i)->hasBorder())
            bordered.append(i);
    return bordered;
}

void click(QWidget* widget, QPoint at = {})
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, at.isNull() ? widget->rect().center() : at);
}
} // namespace

class TestFrmColor : public QObject {
    Q_OBJECT

private:
    TestSupport::ScriptedContext m_scripted;
    const AppContext& context() const { return m_scripted.context; }
    TestSupport::DataFolder& folder() { return m_scripted.folder; }

    void removeTileFiles()
    {
        QFile::remove(folder().filePath(QStringLiteral("bakdatal")));
        QFile::remove(folder().filePath(QStringLiteral("bakdatae")));
    }

private slots:
    void init() { removeTileFiles(); }

    void opensFromTheBodyAndTheGamesTileFile()
    {
        // Without a tile file the preview shows only the colour.
        Frm_color plain(context(), QStringLiteral("F07255"), {});
        QVERIFY(plain.tile().isNull());
        QCOMPARE(child<PictureBox>(plain, QStringLiteral("Picture1_2"))->picture(),
            BackTile::renderPreview(Frm_color::PreviewSize, 255, QImage()));
        QCOMPARE(borderedPatterns(plain), QList<int> { 7 });
        QVERIFY(!child<QCheckBox>(plain, QStringLiteral("Check1"))->isChecked());

        const QImage jigsawTile = plainTile(qRgb(0, 0, 200));
        QVERIFY(saveBackTile(jigsawTile, folder().filePath(QStringLiteral("bakdatae"))));
        QVERIFY(saveBackTile(plainTile(qRgb(200, 0, 0)), folder().filePath(QStringLiteral("bakdatal"))));

        const QIcon icon(QPixmap::fromImage(plainTile(Qt::red)));
        Frm_color dialog(context(), QStringLiteral("E0032768"), icon);
        QCOMPARE(dialog.selectedPattern(), 0);
        QCOMPARE(dialog.swatchColour(), 32768);
        QCOMPARE(borderedPatterns(dialog), QList<int> { 0 });
        QCOMPARE(child<PictureBox>(dialog, QStringLiteral("Imgshow"))->picture(), BackColourArt::pattern(0));
        QCOMPARE(dialog.tile(), jigsawTile);
        QCOMPARE(child<PictureBox>(dialog, QStringLiteral("Picture1_2"))->picture(),
            BackTile::renderPreview(Frm_color::PreviewSize, 32768, jigsawTile));
        QCOMPARE(child<QLabel>(dialog, QStringLiteral("Lblbak1"))->palette().color(QPalette::Window),
            QColor(0, 128, 0));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Color"));
        QCOMPARE(child<QPushButton>(dialog, QStringLiteral("Cmdok"))->text(), QStringLiteral("&Ok"));
        QCOMPARE(child<QPushButton>(dialog, QStringLiteral("Cmdcancel"))->text(), QStringLiteral("&Cancel"));
        QCOMPARE(child<QCheckBox>(dialog, QStringLiteral("Check1"))->text(), QStringLiteral("Back Picture"));
        // A plain tile was saved without the pattern.
        QVERIFY(!child<QCheckBox>(dialog, QStringLiteral("Check1"))->isChecked());
        QVERIFY(!dialog.windowIcon().isNull());
        QVERIFY(dialog.isModal());
    }

    // A pattern clicked moves the border and shows; a release over the palette, with either button,
    // picks the colour under the pointer; both redraw the tile and the preview. A release over the
    // preview changes nothing.
    void choosing_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::newRow("hue field") << QPoint(30, 40) << Qt::LeftButton;
        QTest::newRow("dark blue, right button") << QPoint(170, 110) << Qt::RightButton;
        QTest::newRow("grey column") << QPoint(250, 90) << Qt::LeftButton;
    }
    void choosing()
    {
        QFETCH(QPoint, at);
        QFETCH(Qt::MouseButton, button);
        Frm_color dialog(context(), QStringLiteral("F0916777215"), {});
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        click(pattern(dialog, 3));
        click(pattern(dialog, 12));
        QCOMPARE(borderedPatterns(dialog), QList<int> { 12 });
        QCOMPARE(dialog.selectedPattern(), 12);
        QCOMPARE(child<PictureBox>(dialog, QStringLiteral("Imgshow"))->picture(), BackColourArt::pattern(12));
        QCOMPARE(dialog.tile(), BackTile::RenderBackTile(BackColourArt::pattern(12), 0xFFFFFF, false));
        QTest::mouseClick(child<PictureBox>(dialog, QStringLiteral("Picture1_0")), button, {}, at);
        const int picked = ColourValue::fromColor(BackColourArt::palette().pixelColor(at));
        QVERIFY(picked != 0xFFFFFF);
        QCOMPARE(dialog.swatchColour(), picked);
        const QImage expected = BackTile::RenderBackTile(BackColourArt::pattern(12), picked, false);
        QCOMPARE(dialog.tile(), expected);
        QTest::mouseClick(
            child<PictureBox>(dialog, QStringLiteral("Picture1_2")), Qt::LeftButton, {}, QPoint(20, 20));
        QCOMPARE(dialog.swatchColour(), picked);
        QCOMPARE(child<PictureBox>(dialog, QStringLiteral("Picture1_2"))->picture(),
            BackTile::renderPreview(Frm_color::PreviewSize, picked, expected));
    }

    // The three ways out. OK writes the game's tile (also when nothing was chosen and there was no
    // tile file: the game can always paint one; unticked, a plain one) and returns the new body;
    // Cancel returns "cancel" and the close box the body as given (even malformed), and neither
    // writes anything. The other game's tile file is never written.
    void closing()
    {
        // clicked: a control clicked first; no button: the close box.
        struct Case {
            QString body, clicked, button, result;
            int tilePattern; // of the game's tile afterwards, -1 for unchanged
            QString tileBefore; // "plain", "patterned" or "none"
        };
        const QList<Case> cases { { "F0132768", "Image1_5", "Cmdok", "F0532768", 5, "plain" },
            { "F02128", "", "Cmdok", "F02128", 2, "none" },
            { "E14255", "Check1", "Cmdok", "E14255", 14, "patterned" },
            { "F0132768", "Image1_4", "Cmdcancel", "cancel", -1, "plain" },
            { "F0132768", "Image1_11", "", "F0132768", -1, "plain" },
            { "x9", "Image1_11", "", "x9", -1, "plain" } };
        for (const Case& c : cases) {
            removeTileFiles();
            const bool sliding = c.body.startsWith(u'F');
            const QString file = QStringLiteral("bakdata") + (sliding ? u'l' : u'e');
            const QString other = QStringLiteral("bakdata") + (sliding ? u'e' : u'l');
            if (c.tileBefore == u"plain")
                QVERIFY(saveBackTile(plainTile(qRgb(1, 2, 3)), folder().filePath(file)));
            else if (c.tileBefore == u"patterned")
                QVERIFY(saveBackTile(
                    BackTile::RenderBackTile(BackColourArt::pattern(3), 255, true), folder().filePath(file)));
            const QByteArray before = folder().read(file);
            Frm_color dialog(context(), c.body, {});
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            if (!c.clicked.isEmpty())
                click(child<QWidget>(dialog, c.clicked));
            if (c.button.isEmpty())
                QVERIFY(dialog.close());
            else
                click(child<QPushButton>(dialog, c.button));
            QVERIFY(!dialog.isVisible());
            QCOMPARE(dialog.strcolor(), c.result);
            QCOMPARE(dialog.result(), int(c.button == u"Cmdok" ? QDialog::Accepted : QDialog::Rejected));
            if (c.tilePattern >= 0)
                QCOMPARE(loadBackTile(folder().filePath(file)),
                    BackTile::RenderBackTile(
                        BackColourArt::pattern(c.tilePattern), c.body.mid(3).toInt(), false));
            else
                QCOMPARE(folder().read(file), before);
            QVERIFY(!folder().exists(other));
        }
    }

    // choose() shows the dialog modally and returns its result: OK, Cancel, or Escape (the body).
    void chooseRunsModallyAndReturnsTheResult()
    {
        for (const auto& [control, result] : QList<std::pair<QString, QString>> {
                 { "Cmdok", "E0312" }, { "Cmdcancel", "cancel" }, { "", "E0312" } }) {
            removeTileFiles();
            QTimer::singleShot(0, this, [control] {
                auto* dialog = qobject_cast<Frm_color*>(QApplication::activeModalWidget());
                if (!dialog)
                    qFatal("the dialog is not shown modally");
                if (control.isEmpty())
                    QTest::keyClick(dialog, Qt::Key_Escape);
                else
                    dialog->findChild<QPushButton*>(control)->click();
            });
            QCOMPARE(Frm_color::choose(nullptr, context(), QStringLiteral("E0312"), {}), result);
            QCOMPARE(folder().exists(QStringLiteral("bakdatae")), control == QStringLiteral("Cmdok"));
        }
    }
};

QTEST_MAIN(TestFrmColor)
#include "tst_frmcolor.moc"
