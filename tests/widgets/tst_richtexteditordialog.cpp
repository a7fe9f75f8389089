#include "widgets/QColorWidget.h"
#include "widgets/RichTextEditor.h"
#include "widgets/PixmapButton.h"
#include "widgets/RichTextEditorDialog.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontComboBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTextBlock>
#include <QTimer>
#include <QValidator>
#include <QtTest>

namespace {

// The dialog's controls, found the way a user sees them.
struct Dialog
{
    Dialog()
    {
        editor = dialog.editor();
        const auto combos = dialog.findChildren<QComboBox*>();
        for (QComboBox* combo : combos) {
            if (!qobject_cast<QFontComboBox*>(combo) && combo->isEditable())
                size = combo;
        }
        font = dialog.findChild<QFontComboBox*>();
        color = dialog.findChild<QColorWidget*>();
        for (QAbstractButton* button : dialog.findChildren<QAbstractButton*>()) {
            if (button->toolTip() == QLatin1String("Bold"))
                bold = button;
            else if (button->toolTip() == QLatin1String("Italic"))
                italic = button;
            else if (button->toolTip() == QLatin1String("Underline"))
                underline = button;
        }
    }

    // Calls `check` with the character format of every fragment of text.
    template <typename Check>
    void forEachFragment(Check check) const
    {
        for (QTextBlock block = editor->document()->begin(); block.isValid(); block = block.next()) {
            for (auto it = block.begin(); !it.atEnd(); ++it)
                check(it.fragment().charFormat());
        }
    }

    RichTextEditorDialog dialog;
    RichTextEditor* editor = nullptr;
    QComboBox* size = nullptr;
    QFontComboBox* font = nullptr;
    QColorWidget* color = nullptr;
    QAbstractButton* bold = nullptr;
    QAbstractButton* italic = nullptr;
    QAbstractButton* underline = nullptr;
};

} // namespace

class TestRichTextEditorDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void construction();
    void textRoundTrip_data();
    void textRoundTrip();
    void setTextClearsChangedAndGoesToTheEnd();
    void sizeAppliesToTheWholeText_data();
    void sizeAppliesToTheWholeText();
    void familyAppliesToTheWholeText();
    void colourAppliesToTheWholeText();
    void actionsFollowTheCursorSilently();
    void oddSizeShowsAsEditText();
    void shortcutsToggleTheFormats_data();
    void shortcutsToggleTheFormats();
    void showDialogResult_data();
    void showDialogResult();
    void defaultFont();
};

void TestRichTextEditorDialog::initTestCase()
{
    QApplication::setStyle(QStringLiteral("fusion"));
}

void TestRichTextEditorDialog::construction()
{
    Dialog d;
    QVERIFY(d.editor && d.size && d.font && d.color && d.bold && d.italic && d.underline);
    QCOMPARE(d.dialog.windowTitle(), QStringLiteral("Edit Text"));
    QVERIFY(!d.dialog.windowFlags().testFlag(Qt::WindowContextHelpButtonHint));
    QVERIFY(!d.dialog.isTextChanged());

    QCOMPARE(d.size->insertPolicy(), QComboBox::NoInsert);
    QCOMPARE(d.size->count(), QFontDatabase::standardSizes().size());
    QCOMPARE(d.size->itemText(0), QString::number(QFontDatabase::standardSizes().front()));
    QString text = QStringLiteral("401");
    int pos = 3;
    QCOMPARE(d.size->validator()->validate(text, pos), QValidator::Invalid);
    text = QStringLiteral("400");
    QCOMPARE(d.size->validator()->validate(text, pos), QValidator::Acceptable);
    QVERIFY(!d.font->isEditable());
    QCOMPARE(d.font->maximumWidth(), 200);
    // 200, or what the boxes need to show three digits when that is more.
    QCOMPARE(d.color->maximumWidth(), qMax(200, d.color->minimumSizeHint().width()));

    for (QAbstractButton* button : {d.bold, d.italic, d.underline}) {
        QVERIFY(button->isCheckable());
        QVERIFY(!button->isChecked());
        QCOMPARE(button->size(), QSize(32, 32));
        auto* pixmapButton = qobject_cast<PixmapButton*>(button);
        QVERIFY(pixmapButton);
        QCOMPARE(pixmapButton->pixmap().size(), QSize(32, 32));
    }
    QCOMPARE(d.bold->shortcut(), QKeySequence(QStringLiteral("CTRL+B")));
    QCOMPARE(d.italic->shortcut(), QKeySequence(QStringLiteral("CTRL+I")));
    QCOMPARE(d.underline->shortcut(), QKeySequence(QStringLiteral("CTRL+U")));

    auto* box = d.dialog.findChild<QDialogButtonBox*>();
    QVERIFY(box);
    QCOMPARE(box->button(QDialogButtonBox::Ok)->text(), QStringLiteral("OK"));
    QVERIFY(box->button(QDialogButtonBox::Ok)->isDefault());
    QCOMPARE(box->button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Cancel"));
    QCOMPARE(d.editor->frameStyle(), 0);
    QCOMPARE(d.editor->focusPolicy(), Qt::StrongFocus);
}

void TestRichTextEditorDialog::textRoundTrip_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("makeBold");
    QTest::addColumn<bool>("html");
    QTest::addColumn<QString>("plain");

    QTest::newRow("plain") << "Hello world" << false << false << "Hello world";
    QTest::newRow("two lines") << "first\nsecond" << false << false << "first\nsecond";
    // Qt::mightBeRichText finds no tag before the first line break, so the
    // text is taken literally, tags and all.
    QTest::newRow("tag after a line break") << "plain\n<b>x</b>" << false << false << "plain\n<b>x</b>";
    QTest::newRow("html") << "<b>bold</b> text" << false << true << "bold text";
    QTest::newRow("plain made bold") << "Hello" << true << true << "Hello";
}

void TestRichTextEditorDialog::textRoundTrip()
{
    QFETCH(QString, text);
    QFETCH(bool, makeBold);
    QFETCH(bool, html);
    QFETCH(QString, plain);

    Dialog d;
    d.dialog.setText(text);
    if (makeBold) {
        d.editor->selectAll();
        d.bold->click();
    }
    QCOMPARE(d.dialog.text(Qt::PlainText), plain);
    QCOMPARE(d.dialog.text(Qt::RichText), d.editor->toHtml());
    const QString autoText = d.dialog.text(Qt::AutoText);
    if (html)
        QCOMPARE(autoText, d.editor->toHtml());
    else
        QCOMPARE(autoText, plain);
}

void TestRichTextEditorDialog::setTextClearsChangedAndGoesToTheEnd()
{
    Dialog d;
    d.dialog.setText(QStringLiteral("abc"));
    QVERIFY(!d.dialog.isTextChanged());
    QCOMPARE(d.editor->textCursor().position(), 3);
    QVERIFY(!d.editor->textCursor().hasSelection());

    d.editor->insertPlainText(QStringLiteral("d"));
    QVERIFY(d.dialog.isTextChanged());
    d.dialog.setText(QStringLiteral("xyz"));
    QVERIFY(!d.dialog.isTextChanged());
}

void TestRichTextEditorDialog::sizeAppliesToTheWholeText_data()
{
    QTest::addColumn<QString>("edit");
    QTest::addColumn<double>("points");

    QTest::newRow("standard size") << "18" << 18.0;
    QTest::newRow("other size") << "33" << 33.0;
    // Not an int: nothing changes.
    QTest::newRow("not a number") << "1x" << 0.0;
}

void TestRichTextEditorDialog::sizeAppliesToTheWholeText()
{
    QFETCH(QString, edit);
    QFETCH(double, points);

    Dialog d;
    d.dialog.setText(QStringLiteral("<p>one <b>two</b></p><p><i>three</i></p>"));
    const double before = d.editor->document()->begin().begin().fragment().charFormat().fontPointSize();
    d.size->setEditText(edit);

    int fragments = 0;
    d.forEachFragment([&](const QTextCharFormat& format) {
        ++fragments;
        QCOMPARE(format.fontPointSize(), points > 0 ? points : before);
    });
    QCOMPARE(fragments, 3);
}

void TestRichTextEditorDialog::familyAppliesToTheWholeText()
{
    Dialog d;
    d.dialog.setText(QStringLiteral("<p>one <b>two</b></p><p>three</p>"));
    d.editor->moveCursor(QTextCursor::Start);
    const QString family = d.font->itemText(d.font->count() - 1);
    emit d.font->textActivated(family);

    d.forEachFragment([&](const QTextCharFormat& format) {
        QCOMPARE(format.fontFamilies().toStringList(), QStringList{family});
    });
    QVERIFY(d.editor->textCursor().hasSelection());
}

void TestRichTextEditorDialog::colourAppliesToTheWholeText()
{
    Dialog d;
    d.dialog.setText(QStringLiteral("<p>one <b>two</b></p><p>three</p>"));
    d.editor->moveCursor(QTextCursor::Start);
    // A user's edit of the panel's red box.
    d.color->findChild<QSpinBox*>(QStringLiteral("rSpinBox"))->setValue(200);

    int fragments = 0;
    d.forEachFragment([&](const QTextCharFormat& format) {
        ++fragments;
        QCOMPARE(format.foreground().color().rgb(), qRgb(200, 0, 0));
    });
    QCOMPARE(fragments, 3);
}

void TestRichTextEditorDialog::actionsFollowTheCursorSilently()
{
    Dialog d;
    d.dialog.setText(QStringLiteral("plain <b>bold</b> <i>italic</i> <u>under</u> "
                                    "<span style=\"font-size:20pt; color:#00ff00\">big</span>"));
    QSignalSpy boldToggled(d.bold, &QAbstractButton::toggled);
    QSignalSpy italicToggled(d.italic, &QAbstractButton::toggled);
    QSignalSpy underlineToggled(d.underline, &QAbstractButton::toggled);
    QSignalSpy sizeEdited(d.size, &QComboBox::editTextChanged);
    QSignalSpy colourChanged(d.color, &QColorWidget::colorChanged);

    const auto moveTo = [&](const QString& word) {
        QTextCursor cursor = d.editor->document()->find(word);
        cursor.clearSelection();
        d.editor->setTextCursor(cursor);
    };

    moveTo(QStringLiteral("bold"));
    QVERIFY(d.bold->isChecked());
    QVERIFY(!d.italic->isChecked());
    moveTo(QStringLiteral("italic"));
    QVERIFY(!d.bold->isChecked());
    QVERIFY(d.italic->isChecked());
    moveTo(QStringLiteral("under"));
    QVERIFY(d.underline->isChecked());
    moveTo(QStringLiteral("big"));
    QVERIFY(!d.underline->isChecked());
    QCOMPARE(d.size->currentText(), QStringLiteral("20"));
    QCOMPARE(d.color->color().rgb(), qRgb(0, 255, 0));

    QCOMPARE(boldToggled.size(), 0);
    QCOMPARE(italicToggled.size(), 0);
    QCOMPARE(underlineToggled.size(), 0);
    QCOMPARE(sizeEdited.size(), 0);
    QCOMPARE(colourChanged.size(), 0);
    // Nothing was reformatted: "bold" alone is bold.
    QVERIFY(d.dialog.text(Qt::PlainText).startsWith(QLatin1String("plain bold")));
    QCOMPARE(d.editor->document()->begin().begin().fragment().charFormat().fontWeight(), 400);
    // Every control ends unblocked.
    QVERIFY(!d.bold->signalsBlocked());
    QVERIFY(!d.size->signalsBlocked());
    QVERIFY(!d.editor->signalsBlocked());
}

void TestRichTextEditorDialog::oddSizeShowsAsEditText()
{
    Dialog d;
    d.dialog.setText(QStringLiteral("<span style=\"font-size:13pt\">x</span>"));
    QVERIFY(!QFontDatabase::standardSizes().contains(13));
    QCOMPARE(d.size->currentText(), QStringLiteral("13"));

    d.dialog.setText(QStringLiteral("<span style=\"font-size:14pt\">x</span>"));
    QCOMPARE(d.size->currentIndex(), QFontDatabase::standardSizes().indexOf(14));
}

void TestRichTextEditorDialog::shortcutsToggleTheFormats_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("button");

    QTest::newRow("Ctrl+B") << int(Qt::Key_B) << "Bold";
    QTest::newRow("Ctrl+I") << int(Qt::Key_I) << "Italic";
    QTest::newRow("Ctrl+U") << int(Qt::Key_U) << "Underline";
}

void TestRichTextEditorDialog::shortcutsToggleTheFormats()
{
    QFETCH(int, key);
    QFETCH(QString, button);

    Dialog d;
    d.dialog.setText(QStringLiteral("word"));
    d.dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&d.dialog));
    d.dialog.focusEditor();
    QAbstractButton* target = button == QLatin1String("Bold")     ? d.bold
                              : button == QLatin1String("Italic") ? d.italic
                                                                  : d.underline;

    QTest::keyClick(d.editor, Qt::Key(key), Qt::ControlModifier);
    QTRY_VERIFY(target->isChecked());
    const QTextCharFormat format = d.editor->document()->begin().begin().fragment().charFormat();
    if (button == QLatin1String("Bold"))
        QCOMPARE(format.fontWeight(), 700);
    else if (button == QLatin1String("Italic"))
        QVERIFY(format.fontItalic());
    else
        QVERIFY(format.fontUnderline());
    QCOMPARE(d.dialog.text(Qt::PlainText), QStringLiteral("word"));
}

void TestRichTextEditorDialog::showDialogResult_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("result");

    QTest::newRow("OK") << int(QDialogButtonBox::Ok) << 1;
    QTest::newRow("Cancel") << int(QDialogButtonBox::Cancel) << 0;
}

void TestRichTextEditorDialog::showDialogResult()
{
    QFETCH(int, button);
    QFETCH(int, result);

    Dialog d;
    d.dialog.setText(QStringLiteral("some text"));
    bool selectedAll = false;
    QTimer::singleShot(0, &d.dialog, [&] {
        selectedAll = d.editor->textCursor().selectedText() == QLatin1String("some text");
        d.dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::StandardButton(button))->click();
    });
    QCOMPARE(d.dialog.showDialog(), result);
    QVERIFY(selectedAll);
}

void TestRichTextEditorDialog::defaultFont()
{
    Dialog d;
    QSignalSpy changed(d.editor, &QTextEdit::textChanged);

    QFont points(QStringLiteral("DejaVu Sans"));
    points.setPointSizeF(17);
    d.dialog.setDefaultFont(points);
    QCOMPARE(changed.size(), 1);
    QCOMPARE(d.editor->document()->defaultFont(), points);
    QCOMPARE(d.editor->fontPointSize(), 17.0);

    // A pixel-sized font has no point size of its own (-1).
    QFont pixels(QStringLiteral("DejaVu Sans"));
    pixels.setPixelSize(30);
    d.dialog.setDefaultFont(pixels);
    QCOMPARE(d.editor->fontPointSize(), QFontInfo(pixels).pointSizeF());
    QVERIFY(d.editor->fontPointSize() > 1);
}

QTEST_MAIN(TestRichTextEditorDialog)
#include "tst_richtexteditordialog.moc"
