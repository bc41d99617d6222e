#include <gtest/gtest.h>

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <memory>

#include "common/qxError.h"
#include "controls/o_QXIPEdit.h"
#include "support/ModalAnswer.h"

namespace {

// Key events go to whatever widget has the focus.
QWidget* const kFocused = nullptr;

// An address control between two plain edits, in a window of its own.
struct IPEditTest : ::testing::Test {
    std::unique_ptr<QWidget> window;
    QLineEdit* before = nullptr;
    TqxIPEdit* edit = nullptr;
    QLineEdit* after = nullptr;

    void SetUp() override
    {
        window = std::make_unique<QWidget>();
        auto* layout = new QHBoxLayout(window.get());
        before = new QLineEdit(window.get());
        edit = new TqxIPEdit(window.get());
        after = new QLineEdit(window.get());
        layout->addWidget(before);
        layout->addWidget(edit);
        layout->addWidget(after);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    QLineEdit* Part(int tag) { return edit->Editor(tag); }
    QStringList Parts()
    {
        QStringList out;
        for (int tag = 1; tag <= 4; ++tag)
            out << Part(tag)->text();
        return out;
    }
    // Which part editor has the focus: 1..4, 0 for none of them.
    int FocusedPart()
    {
        for (int tag = 1; tag <= 4; ++tag)
            if (QApplication::focusWidget() == Part(tag))
                return tag;
        return 0;
    }
    void FocusPart(int tag)
    {
        Part(tag)->setFocus(Qt::MouseFocusReason);
        Part(tag)->deselect();
        Part(tag)->end(false);
    }
    // Sets IP and returns the error message, "" when it was taken.
    std::string TrySet(const QString& text)
    {
        try {
            edit->SetIP(text);
        } catch (const EqxError& e) {
            return e.Message();
        }
        return {};
    }
};

TEST_F(IPEditTest, BuildsFourPartEditorsAndThreeDotsInARow)
{
    const QList<QLabel*> dots = edit->findChildren<QLabel*>();
    ASSERT_EQ(dots.size(), 3);
    int left = 0;
    for (int tag = 1; tag <= 4; ++tag) {
        SCOPED_TRACE(tag);
        EXPECT_EQ(Part(tag)->property("Tag").toInt(), tag);
        EXPECT_EQ(Part(tag)->geometry().left(), left);
        EXPECT_EQ(Part(tag)->geometry().top(), 0);
        EXPECT_EQ(Part(tag)->width(), 30);
        left += 30;
        if (tag < 4) {
            EXPECT_EQ(dots[tag - 1]->text(), ".");
            EXPECT_EQ(dots[tag - 1]->font().pointSize(), 16);
            EXPECT_EQ(dots[tag - 1]->geometry().left(), left);
            left += dots[tag - 1]->width();
        }
    }
    EXPECT_EQ(edit->width(), left);
    EXPECT_EQ(edit->sizeHint().width(), left);
    EXPECT_GE(edit->height(), 21);
    EXPECT_EQ(edit->focusPolicy(), Qt::NoFocus);
}

TEST_F(IPEditTest, EditorWidthCountsOnlyBeforeTheFirstParent)
{
    TqxIPEdit loose;
    EXPECT_EQ(loose.Editor(1), nullptr);
    loose.SetIPEditorWidth(40);
    loose.setParent(window.get());
    ASSERT_NE(loose.Editor(4), nullptr);
    EXPECT_EQ(loose.Editor(4)->width(), 40);
    const int width = loose.width();
    loose.SetIPEditorWidth(50);
    loose.setParent(nullptr);
    loose.setParent(window.get());
    EXPECT_EQ(loose.Editor(1)->width(), 40);
    EXPECT_EQ(loose.width(), width);
    EXPECT_EQ(loose.findChildren<QLineEdit*>().size(), 4);
    loose.setParent(nullptr);
}

TEST_F(IPEditTest, ValidTextsShowTheirPartsAndRaiseOneChange)
{
    QSignalSpy changes(edit, &TqxIPEdit::OnIPChange);
    QSignalSpy firstPart(edit, &TqxIPEdit::OnIPFirstPartChange);
    QSignalSpy fourthPart(edit, &TqxIPEdit::OnIPFourthPartChange);

    EXPECT_EQ(TrySet("0.0.0.0"), "");
    EXPECT_EQ(Parts(), QStringList({"0", "0", "0", "0"}));
    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(changes.at(0).at(0).value<TqxIPEdit*>(), edit);
    EXPECT_EQ(firstPart.count(), 1);
    EXPECT_EQ(fourthPart.count(), 1);

    EXPECT_EQ(TrySet("255.255.255.255"), "");
    EXPECT_EQ(Parts(), QStringList({"255", "255", "255", "255"}));
    EXPECT_EQ(changes.count(), 2);

    // The editors show plain numbers; IP keeps the text as it was given.
    EXPECT_EQ(TrySet("192.168.001.010"), "");
    EXPECT_EQ(Parts(), QStringList({"192", "168", "1", "10"}));
    EXPECT_EQ(edit->IP(), "192.168.001.010");
    EXPECT_EQ(edit->IPFirstPart(), 192);
    EXPECT_EQ(edit->IPSecondPart(), 168);
    EXPECT_EQ(edit->IPThirdPart(), 1);
    EXPECT_EQ(edit->IPFourthPart(), 10);
    EXPECT_EQ(changes.count(), 3);
}

TEST_F(IPEditTest, InvalidTextsFailKeepTheEditorsAndTakeTheFocus)
{
    ASSERT_EQ(TrySet("10.0.0.1"), "");
    QSignalSpy changes(edit, &TqxIPEdit::OnIPChange);
    for (const char* text : {"256.0.0.1", "1.2.3", "1.2.3.4.5", "1..3.4", "1.2.3.4x", "-1.0.0.0"}) {
        SCOPED_TRACE(text);
        FocusPart(2);
        EXPECT_EQ(TrySet(text), std::string("IP Address ") + text + " is invalid!");
        EXPECT_EQ(edit->IP(), text);
        EXPECT_EQ(Parts(), QStringList({"10", "0", "0", "1"}));
        EXPECT_TRUE(edit->hasFocus());
    }
    EXPECT_EQ(changes.count(), 0);
    EXPECT_EQ(edit->IPFirstPart(), -1);  // the values parsed from the rejected text

    // The rejected text set again in a row is ignored before any check.
    EXPECT_EQ(TrySet("-1.0.0.0"), "");
    EXPECT_EQ(edit->IP(), "-1.0.0.0");
}

TEST_F(IPEditTest, BlankAndRepeatedTextsChangeNothing)
{
    ASSERT_EQ(TrySet("10.0.0.1"), "");
    QSignalSpy changes(edit, &TqxIPEdit::OnIPChange);
    for (const char* text : {"", "   ", "\t \r\n"}) {
        EXPECT_EQ(TrySet(text), "");
        EXPECT_EQ(edit->IP(), "10.0.0.1");
        EXPECT_EQ(Parts(), QStringList({"10", "0", "0", "1"}));
    }
    EXPECT_EQ(TrySet("10.0.0.1"), "");
    EXPECT_EQ(changes.count(), 0);

    ASSERT_EQ(TrySet("0x0a.0.0.1"), "");
    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(TrySet("0X0A.0.0.1"), "");  // same text but for letter case
    EXPECT_EQ(edit->IP(), "0x0a.0.0.1");
    EXPECT_EQ(changes.count(), 1);
}

TEST_F(IPEditTest, AFullPartKeepsTheFocusUntilTheNextKeyMovesIt)
{
    FocusPart(1);
    QTest::keyClicks(nullptr, "192");
    EXPECT_EQ(Part(1)->text(), "192");
    EXPECT_EQ(FocusedPart(), 1);
    QTest::keyClicks(nullptr, "5");  // swallowed, and the focus moves on
    EXPECT_EQ(Part(1)->text(), "192");
    EXPECT_EQ(Part(2)->text(), "");
    EXPECT_EQ(FocusedPart(), 2);

    QTest::keyClicks(nullptr, "168.");  // a "." after a full part moves on once
    EXPECT_EQ(Part(2)->text(), "168");
    EXPECT_EQ(FocusedPart(), 3);
    QTest::keyClicks(nullptr, "1.");  // a "." moves on from a part not yet full
    EXPECT_EQ(Part(3)->text(), "1");
    EXPECT_EQ(FocusedPart(), 4);

    // The last part moves the focus nowhere and takes no fourth digit.
    QTest::keyClicks(nullptr, "2540");
    EXPECT_EQ(Part(4)->text(), "254");
    EXPECT_EQ(FocusedPart(), 4);
    EXPECT_EQ(edit->IP(), "");  // typing alone sets nothing
}

TEST_F(IPEditTest, NonDigitsAreSwallowedAndASelectionIsReplaced)
{
    FocusPart(1);
    QTest::keyClicks(nullptr, "a -Z/1");
    EXPECT_EQ(Part(1)->text(), "1");
    EXPECT_EQ(FocusedPart(), 1);

    Part(2)->setText("123");
    FocusPart(2);
    Part(2)->selectAll();
    QTest::keyClicks(nullptr, "7");
    EXPECT_EQ(Part(2)->text(), "7");
    EXPECT_EQ(FocusedPart(), 2);

    // A backspace on a full part still deletes while the focus moves on.
    Part(3)->setText("192");
    FocusPart(3);
    QTest::keyClick(kFocused, Qt::Key_Backspace);
    EXPECT_EQ(Part(3)->text(), "19");
    EXPECT_EQ(FocusedPart(), 4);
}

TEST_F(IPEditTest, EnterCommitsTheTypedPartsButLeavingAMiddlePartDoesNot)
{
    ASSERT_EQ(TrySet("1.2.3.4"), "");
    QSignalSpy changes(edit, &TqxIPEdit::OnIPChange);
    FocusPart(2);
    Part(2)->selectAll();
    QTest::keyClicks(nullptr, "9");
    QTest::mouseClick(after, Qt::LeftButton);  // leaving part 2 commits nothing
    EXPECT_EQ(QApplication::focusWidget(), after);
    EXPECT_EQ(edit->IP(), "1.2.3.4");
    EXPECT_EQ(changes.count(), 0);

    FocusPart(2);
    QTest::keyClick(kFocused, Qt::Key_Return);
    EXPECT_EQ(edit->IP(), "1.9.3.4");
    EXPECT_EQ(changes.count(), 1);
}

TEST_F(IPEditTest, LeavingTheFourthPartCommits)
{
    FocusPart(1);
    QTest::keyClicks(nullptr, "10.0.0.42");
    EXPECT_EQ(FocusedPart(), 4);
    QTest::keyClick(kFocused, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), after);
    EXPECT_EQ(edit->IP(), "10.0.0.42");
}

TEST_F(IPEditTest, TabThroughAnEmptyControlFailsOnThreeDots)
{
    before->setFocus();
    for (int tag = 1; tag <= 4; ++tag) {
        QTest::keyClick(kFocused, Qt::Key_Tab);
        EXPECT_EQ(FocusedPart(), tag);
    }
    ModalAnswer answer;
    answer.Arm(QMessageBox::Ok);
    QTest::keyClick(kFocused, Qt::Key_Tab);
    EXPECT_TRUE(QTest::qWaitFor([&] { return answer.shown > 0; }, 3000));
    EXPECT_EQ(answer.text, "IP Address ... is invalid!");
    EXPECT_EQ(answer.icon, QMessageBox::Critical);
    EXPECT_EQ(edit->IP(), "...");
}

}  // namespace
