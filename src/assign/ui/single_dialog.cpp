// SPDX-License-Identifier: GPL-3.0-or-later
#include "assign/ui/single_dialog.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QTimer>
#include <QWindow>

#include "controls/dialog_keys.h"
#include "controls/edge_rect.h"
#include "controls/language_message_box.h"
#include "controls/shortcuts_note.h"
#include "controls/skin_image.h"
#include "controls/ui_font.h"
#include "keys/captured_key_name.h"
#include "text/dialog_texts.h"

namespace vorlak {
namespace {

const QRect kPromptRect = EdgeRect(34, 103, 220, 123);
const QRect kKeyNameRect = EdgeRect(74, 129, 150, 143);
// Below the key name's plate, left of the arrow keys.
const QRect kShortcutsNoteRect = EdgeRect(20, 168, 222, 234);
const QColor kFallbackBackground(40, 40, 40);

QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Besides the keys every skinned window swallows, the Windows keys do nothing here.
bool IsSwallowedKey(int key) {
    return IsSwallowedDialogKey(key) || key == Qt::Key_Meta || key == Qt::Key_Super_L ||
           key == Qt::Key_Super_R;
}

}  // namespace

CSingleDialog::CSingleDialog(std::filesystem::path programFolder, std::string_view languageCode,
                             KeyCaptureFactory makeCapture, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      programFolder_(std::move(programFolder)),
      languageCode_(languageCode),
      makeCapture_(std::move(makeCapture)),
      background_(SkinImage(programFolder_, "skins/single-key.png")) {
    setWindowTitle("Vorlak");
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(background_.isNull() ? kFallbackSize : background_.size());
    installEventFilter(this);
    const KeyCaptureTexts texts = KeyCaptureTextsFor(languageCode);
    const char* kButtonNormal = "Skins\\MacroManagement\\button-cancel-normal.png";
    const char* kButtonOver = "Skins\\/MacroManagement/button-cancel-over.png";
    buttons_ = {{{EdgeRect(352, 6, 370, 24),
                  "Skins\\button-close-normal.png",
                  "Skins\\/button-close-over.png",
                  {}},
                 {EdgeRect(244, 250, 308, 275), kButtonNormal, kButtonOver, {}},
                 {EdgeRect(314, 250, 378, 275), kButtonNormal, kButtonOver, {}}}};
    // Without its picture the dialog gets neither texts nor the key name, and captures
    // nothing; it still closes by its three buttons.
    if (background_.isNull())
        return;
    font_ = FaceFont(KeyCaptureFont(languageCode, false));
    prompt_ = Q(texts.prompt);
    buttons_[kOk].caption = Q(texts.ok);
    buttons_[kCancel].caption = Q(texts.cancel);
    label_ = new QLabel(this);
    label_->setGeometry(kKeyNameRect);
    label_->setAlignment(Qt::AlignCenter);
    label_->setFont(font_);
    label_->setAutoFillBackground(true);
    QPalette palette = label_->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    label_->setPalette(palette);
}

CSingleDialog::~CSingleDialog() = default;

void CSingleDialog::SetKeyName(const std::string& name) {
    keyName_ = name;
    ShowKeyName();
}

// A long name ("Right Windows") is drawn smaller to fit the label.
void CSingleDialog::ShowKeyName() {
    if (label_ == nullptr)
        return;
    const QString text = Q(keyName_);
    label_->setFont(FitToWidth(font_, text, label_->width() - 2));
    label_->setText(text);
}

void CSingleDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (started_)
        return;
    started_ = true;
    if (background_.isNull()) {
        QTimer::singleShot(0, this, [this] {
            QMessageBox::information(this, "Single Key Dialog Load background image failed!!!",
                                     "error");
        });
        return;
    }
    StartCapture();
}

void CSingleDialog::StartCapture() {
    if (!makeCapture_)
        return;
    capture_ = makeCapture_(*this);
    capture_->SetShortcutsHandler([this](bool keeps) { ShowShortcutsNote(keeps); });
    capture_->Start([this](const CapturedKey& key) { OnKey(key); },
                    [this](int errorCode) { OnCaptureFailure(errorCode); });
}

void CSingleDialog::OnKey(const CapturedKey& key) {
    keyName_ = std::string(CapturedKeyName(key));
    ShowKeyName();
    label_->repaint();
    emit KeyShown();
}

// The dialog stays open without capturing; OK then hands back the preset.
void CSingleDialog::OnCaptureFailure(int errorCode) {
    captureFailed_ = true;
    QMessageBox box(QMessageBox::NoIcon, QGuiApplication::applicationDisplayName(),
                    QString::asprintf("JournalRecordHook Install error code :%d\n", errorCode),
                    QMessageBox::Ok, this);
    ShowInLanguage(box, languageCode_);
}

void CSingleDialog::ShowShortcutsNote(bool desktopKeepsShortcuts) {
    if (label_ == nullptr)
        return;
    if (shortcutsNote_ == nullptr)
        shortcutsNote_ = MakeShortcutsNote(*this, kShortcutsNoteRect, font_, languageCode_);
    shortcutsNote_->setVisible(desktopKeepsShortcuts);
}

void CSingleDialog::done(int result) {
    if (capture_)
        capture_->Stop();
    QDialog::done(result);
}

void CSingleDialog::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (background_.isNull())
        painter.fillRect(rect(), kFallbackBackground);
    else
        painter.drawImage(0, 0, background_);
    painter.setFont(font_);
    painter.setPen(Qt::white);
    painter.save();
    painter.setFont(FitToWidth(font_, prompt_, kPromptRect.width()));
    painter.drawText(kPromptRect, Qt::AlignCenter | Qt::TextSingleLine, prompt_);
    painter.restore();
    for (std::size_t i = 0; i < buttons_.size(); ++i)
        PaintButton(painter, programFolder_, buttons_[i], hovered_ == static_cast<int>(i));
}

void CSingleDialog::SetHovered(int button) {
    if (button == hovered_)
        return;
    hovered_ = button;
    repaint();
}

void CSingleDialog::mouseMoveEvent(QMouseEvent* event) {
    SetHovered(ButtonAt(buttons_, event->position().toPoint()));
}

void CSingleDialog::leaveEvent(QEvent*) {
    SetHovered(-1);
}

// OK, Cancel and close end the dialog; any other spot moves it, as a caption would.
void CSingleDialog::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    switch (ButtonAt(buttons_, event->position().toPoint())) {
        case kOk:
            accept();
            return;
        case kCancel:
        case kClose:
            reject();
            return;
        default:
            if (windowHandle() != nullptr)
                windowHandle()->startSystemMove();
    }
}

bool CSingleDialog::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if ((type == QEvent::KeyPress || type == QEvent::KeyRelease ||
         type == QEvent::ShortcutOverride) &&
        IsSwallowedKey(static_cast<QKeyEvent*>(event)->key()))
        return true;
    return QDialog::eventFilter(watched, event);
}

}  // namespace vorlak
