// SPDX-License-Identifier: GPL-3.0-or-later
#include "assign/ui/key_capture_dialog.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QTimer>

#include "controls/dialog_keys.h"
#include "controls/language_message_box.h"
#include "controls/shortcuts_note.h"
#include "controls/ui_font.h"
#include "keys/captured_key_name.h"
#include "text/dialog_texts.h"

namespace vorlak {
namespace {

namespace dialog = layout::key_capture_dialog;

QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

KeyCaptureDialog::KeyCaptureDialog(std::filesystem::path programFolder,
                                   std::string_view languageCode, KeyCaptureFactory makeCapture,
                                   QWidget* parent)
    : SkinnedDialog(std::move(programFolder),
                    {skin::kKeyDialog, dialog::kSize, QColor(40, 40, 40), true}, parent,
                    Qt::Dialog | Qt::FramelessWindowHint),
      languageCode_(languageCode),
      makeCapture_(std::move(makeCapture)) {
    setWindowTitle("Vorlak");
    // Besides the keys every skinned window swallows, the Windows keys do nothing here.
    new DialogKeyFilter(*this, {true, {}});
    SetButtons({dialog::kClose, dialog::kOk, dialog::kCancel});
    // Without its picture the dialog gets neither texts nor the key name, and captures
    // nothing; it still closes by its three buttons.
    if (!HasBackground())
        return;
    const KeyCaptureTexts texts = KeyCaptureTextsFor(languageCode);
    font_ = FaceFont(KeyCaptureFont(languageCode, false));
    prompt_ = Q(texts.prompt);
    SetCaption(kOk, Q(texts.ok));
    SetCaption(kCancel, Q(texts.cancel));
    SetCaptionFont(font_);
    label_ = new QLabel(this);
    label_->setGeometry(ToQRect(dialog::kKeyNameRect));
    label_->setAlignment(Qt::AlignCenter);
    label_->setFont(font_);
    label_->setAutoFillBackground(true);
    QPalette palette = label_->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    label_->setPalette(palette);
}

KeyCaptureDialog::~KeyCaptureDialog() = default;

void KeyCaptureDialog::SetKeyName(const std::string& name) {
    keyName_ = name;
    ShowKeyName();
}

// A long name ("Right Windows") is drawn smaller to fit the label.
void KeyCaptureDialog::ShowKeyName() {
    if (label_ == nullptr)
        return;
    const QString text = Q(keyName_);
    label_->setFont(FitToWidth(font_, text, label_->width() - 2).font);
    label_->setText(text);
}

void KeyCaptureDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (started_)
        return;
    started_ = true;
    if (!HasBackground()) {
        QTimer::singleShot(0, this, [this] {
            QMessageBox::information(this, "Single Key Dialog Load background image failed!!!",
                                     "error");
        });
        return;
    }
    StartCapture();
}

void KeyCaptureDialog::StartCapture() {
    if (!makeCapture_)
        return;
    capture_ = makeCapture_(*this);
    capture_->SetShortcutsHandler([this](bool keeps) { ShowShortcutsNote(keeps); });
    capture_->Start([this](const CapturedKey& key) { OnKey(key); },
                    [this](int errorCode) { OnCaptureFailure(errorCode); });
}

void KeyCaptureDialog::OnKey(const CapturedKey& key) {
    keyName_ = std::string(CapturedKeyName(key));
    ShowKeyName();
    label_->repaint();
    emit KeyShown();
}

// The dialog stays open without capturing; OK then hands back the preset.
void KeyCaptureDialog::OnCaptureFailure(int errorCode) {
    captureFailed_ = true;
    QMessageBox box(QMessageBox::NoIcon, QGuiApplication::applicationDisplayName(),
                    QString::asprintf("JournalRecordHook Install error code :%d\n", errorCode),
                    QMessageBox::Ok, this);
    ShowInLanguage(box, languageCode_);
}

void KeyCaptureDialog::ShowShortcutsNote(bool desktopKeepsShortcuts) {
    if (label_ == nullptr)
        return;
    if (shortcutsNote_ == nullptr)
        shortcutsNote_ =
            MakeShortcutsNote(*this, ToQRect(dialog::kShortcutsNoteRect), font_, languageCode_);
    shortcutsNote_->setVisible(desktopKeepsShortcuts);
}

void KeyCaptureDialog::done(int result) {
    if (capture_)
        capture_->Stop();
    QDialog::done(result);
}

void KeyCaptureDialog::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintBackground(painter);
    painter.setFont(font_);
    painter.setPen(Qt::white);
    painter.save();
    const QRect prompt = ToQRect(dialog::kPromptRect);
    painter.setFont(FitToWidth(font_, prompt_, prompt.width()).font);
    painter.drawText(prompt, Qt::AlignCenter | Qt::TextSingleLine, prompt_);
    painter.restore();
    PaintButtons(painter);
}

// OK, Cancel and close end the dialog; a drag from any other spot moves it, as a caption would.
bool KeyCaptureDialog::Pressed(const QPoint&, int button) {
    switch (button) {
        case kOk:
            accept();
            return true;
        case kCancel:
        case kClose:
            reject();
            return true;
        default:
            return false;
    }
}

}  // namespace vorlak
