// SPDX-License-Identifier: GPL-3.0-or-later
// The key capture dialog offscreen, on a scripted capture: the names it shows, the keys it
// swallows, its three regions, and its two failures.
#include "assign/ui/key_capture_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "assign/ui/scripted_key_capture.h"
#include "controls/widget_input.h"
#include "test_folder.h"

namespace vorlak {
namespace {

constexpr int kExtended = KeyFlagExtended;
constexpr int kRelease = KeyFlagRelease;

// Answers the next message box with OK and keeps its caption and text.
struct MessageWatch {
    QString caption, text;
    void AnswerNext() {
        QTimer::singleShot(0, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr) {
                AnswerNext();  // not shown yet
                return;
            }
            caption = box->windowTitle();
            text = box->text();
            box->accept();
        });
    }
};

class KeyCaptureDialogTest : public ::testing::Test {
protected:
    std::unique_ptr<KeyCaptureDialog> Open(const std::string& language = "EN",
                                           std::filesystem::path folder = VORLAK_BIN_DIR) {
        auto dialog = std::make_unique<KeyCaptureDialog>(
            std::move(folder), language,
            [this](QWidget&) { return std::make_unique<ScriptedKeyCapture>(script_); });
        dialog->open();
        return dialog;
    }
    static QString Name(const KeyCaptureDialog& dialog) { return dialog.KeyNameLabel()->text(); }

    std::shared_ptr<ScriptedKeyCapture::Script> script_ =
        std::make_shared<ScriptedKeyCapture::Script>();
};

TEST_F(KeyCaptureDialogTest, ShowsTheLastKeyTouched) {
    auto dialog = Open();
    ASSERT_TRUE(script_->running);
    const struct {
        std::vector<std::pair<int, int>> keys;
        const char* name;
    } cases[] = {
        {{{'A', 0}, {'A', kRelease}}, "A"},
        {{{13, kExtended}}, "Num Enter"},
        {{{13, 0}}, "Enter"},
        // Ctrl down, C down, C up, Ctrl up: the key released last.
        {{{162, 0}, {'C', 0}, {'C', kRelease}, {162, kRelease}}, "Ctrl"},
        {{{173, kExtended}}, ""},  // a media key has no name
        {{{165, kExtended | kRelease}}, "Right Alt"},
    };
    for (const auto& c : cases) {
        for (const auto& [key, flags] : c.keys)
            script_->Key(key, flags);
        EXPECT_EQ(Name(*dialog), QString::fromUtf8(c.name));
        EXPECT_EQ(dialog->KeyName(), c.name);
    }
}

TEST_F(KeyCaptureDialogTest, PresetStaysUntilAKeyComes) {
    auto dialog = std::make_unique<KeyCaptureDialog>(VORLAK_BIN_DIR, "EN", [this](QWidget&) {
        return std::make_unique<ScriptedKeyCapture>(script_);
    });
    dialog->SetKeyName("F5");
    dialog->open();
    EXPECT_EQ(Name(*dialog), "F5");
    Press(*dialog, dialog->ButtonOf(KeyCaptureDialog::kOk).rect.center());
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(dialog->KeyName(), "F5");
}

TEST_F(KeyCaptureDialogTest, EnterEscapeSpaceF1AndTheWindowsKeysCloseNothing) {
    auto dialog = Open();
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape, Qt::Key_Space, Qt::Key_F1,
                        Qt::Key_Meta, Qt::Key_Super_L}) {
        QTest::keyClick(dialog.get(), key);
        EXPECT_TRUE(dialog->isVisible()) << key;
    }
    EXPECT_TRUE(script_->running);
}

TEST_F(KeyCaptureDialogTest, RegionsEndTheDialogAndReleaseTheCapture) {
    const struct {
        KeyCaptureDialog::Button button;
        int result;
    } cases[] = {{KeyCaptureDialog::kOk, QDialog::Accepted},
                 {KeyCaptureDialog::kCancel, QDialog::Rejected},
                 {KeyCaptureDialog::kClose, QDialog::Rejected}};
    for (const auto& c : cases) {
        auto dialog = Open();
        script_->Key('B');
        const QRect rect = dialog->ButtonOf(c.button).rect;
        // Hovering shows the region's other picture; a press elsewhere keeps the dialog open.
        Hover(*dialog, rect.center());
        EXPECT_EQ(dialog->Hovered(), c.button);
        Press(*dialog, QPoint(150, 200));
        EXPECT_TRUE(dialog->isVisible());
        Press(*dialog, rect.center());
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_EQ(dialog->result(), c.result);
        EXPECT_FALSE(script_->running) << "released when the dialog ends";
    }
    EXPECT_EQ(script_->starts, 3);
}

TEST_F(KeyCaptureDialogTest, TextsAndTheLayoutOfTheRegions) {
    auto dialog = Open("DE");
    EXPECT_EQ(dialog->ButtonOf(KeyCaptureDialog::kOk).caption, "OK");
    EXPECT_EQ(dialog->ButtonOf(KeyCaptureDialog::kCancel).caption, "Abbrechen");
    EXPECT_EQ(dialog->ButtonOf(KeyCaptureDialog::kOk).rect, QRect(244, 250, 64, 25));
    EXPECT_EQ(dialog->ButtonOf(KeyCaptureDialog::kCancel).rect, QRect(314, 250, 64, 25));
    EXPECT_EQ(dialog->ButtonOf(KeyCaptureDialog::kClose).rect, QRect(352, 6, 18, 18));
    EXPECT_EQ(dialog->KeyNameLabel()->geometry(), QRect(74, 129, 76, 14));
    // The key name is black on white.
    script_->Key('W');
    const QImage label = dialog->KeyNameLabel()->grab().toImage();
    EXPECT_EQ(label.pixelColor(1, 1), QColor(Qt::white));
    bool black = false;
    for (int x = 0; x < label.width() && !black; ++x)
        for (int y = 0; y < label.height() && !black; ++y)
            black = label.pixelColor(x, y) == QColor(Qt::black);
    EXPECT_TRUE(black);
    // A long name is drawn smaller to fit.
    script_->Key(92, KeyFlagExtended);
    QLabel& name = *dialog->KeyNameLabel();
    EXPECT_EQ(name.text(), "Right Windows");
    EXPECT_LE(name.fontMetrics().horizontalAdvance(name.text()), name.width());
}

TEST_F(KeyCaptureDialogTest, AFailedCaptureIsToldAndTheDialogStillCloses) {
    auto dialog = Open();
    MessageWatch watch;
    watch.AnswerNext();
    script_->Fail(1);
    EXPECT_EQ(watch.text, "JournalRecordHook Install error code :1\n");
    EXPECT_FALSE(dialog->Capturing());
    Press(*dialog, dialog->ButtonOf(KeyCaptureDialog::kCancel).rect.center());
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
}

TEST_F(KeyCaptureDialogTest, WithoutItsPictureItSaysSoCapturesNothingAndCloses) {
    TestFolder empty;
    MessageWatch watch;
    watch.AnswerNext();
    auto dialog = Open("EN", empty.Root());
    QTest::qWait(20);
    EXPECT_EQ(watch.caption, "Single Key Dialog Load background image failed!!!");
    EXPECT_EQ(watch.text, "error");
    EXPECT_EQ(script_->starts, 0);
    EXPECT_EQ(dialog->KeyNameLabel(), nullptr);
    EXPECT_EQ(dialog->size(), KeyCaptureDialog::kFallbackSize);
    Press(*dialog, dialog->ButtonOf(KeyCaptureDialog::kOk).rect.center());
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
}

}  // namespace
}  // namespace vorlak
