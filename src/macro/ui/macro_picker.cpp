// SPDX-License-Identifier: GPL-3.0-or-later
#include "macro/ui/macro_picker.h"

#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPainter>
#include <QTimer>

#include "controls/pixel_geometry.h"
#include "controls/skin_image.h"
#include "controls/ui_font.h"
#include "macro/macro_store.h"
#include "text/dialog_texts.h"

namespace vorlak {
namespace {

namespace picker = layout::macro_picker;

const QColor kFieldBackground(40, 40, 40);

QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void UseFieldColours(QWidget& widget) {
    QPalette palette = widget.palette();
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::Base})
        palette.setColor(role, kFieldBackground);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text})
        palette.setColor(role, Qt::white);
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

}  // namespace

MacroPicker::MacroPicker(std::filesystem::path programFolder, std::string_view languageCode,
                         const MacroStore& store, QWidget* parent)
    : SkinnedDialog(std::move(programFolder),
                    {skin::kMacroPicker, picker::kSize, kFieldBackground, false}, parent,
                    Qt::Dialog | Qt::FramelessWindowHint),
      store_(store) {
    setWindowTitle("Vorlak");
    font_ = FaceFont(MacroPickerFont(languageCode));
    const MacroPickerTexts texts = MacroPickerTextsFor(languageCode);
    prompt_ = Q(texts.prompt);
    for (int m = 0; m < kModeCount; ++m)
        modeTexts_[static_cast<std::size_t>(m)] = Q(texts.modes[static_cast<std::size_t>(m)]);
    SetButtons({picker::kClose, picker::kOk, picker::kCancel});
    SetCaption(kOk, Q(texts.ok));
    SetCaption(kCancel, Q(texts.cancel));
    SetCaptionFont(font_);
    if (!HasBackground()) {
        QTimer::singleShot(0, this, [this] {
            QMessageBox::information(this, "Macro Key Dialog Load background image failed!!!",
                                     "error");
        });
        return;
    }
    nameField_ = new QLabel(this);
    nameField_->setGeometry(ToQRect(picker::kNameFieldRect));
    nameField_->setFont(font_);
    UseFieldColours(*nameField_);
}

MacroPicker::~MacroPicker() = default;

QRect MacroPicker::DropDownArea() {
    return ToQRect(picker::kDropDownArea);
}

QRect MacroPicker::ModeMarkArea(int mode) {
    return ToQRect(picker::ModeMark(mode));
}

QRect MacroPicker::ModeBox(int mode) {
    return ToQRect(picker::ModeBox(mode));
}

QFont MacroPicker::ModeFont(int mode) const {
    return FitToRect(font_, modeTexts_[static_cast<std::size_t>(mode)], ModeBox(mode));
}

QRect MacroPicker::ModeTextRect(int mode) const {
    const QRect box = ModeBox(mode);
    const int height = QFontMetrics(ModeFont(mode))
                           .boundingRect(box, Qt::AlignLeft | Qt::TextWordWrap,
                                         modeTexts_[static_cast<std::size_t>(mode)])
                           .height();
    const int shrink = (box.height() - height) / 2;
    return box.adjusted(0, shrink, 0, -shrink);
}

void MacroPicker::OpenDropDown() {
    playMode_ = 0;
    list_ = new QListWidget(this);
    list_->setGeometry(ToQRect(picker::kListRect));
    list_->setFont(font_);
    list_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    UseFieldColours(*list_);
    const std::vector<std::string> names =
        store_.Exists() ? store_.ReadNames() : std::vector<std::string>{};
    // A long name is shown shortened; the choice keeps it whole.
    const QFontMetrics metrics(font_);
    const int width = list_->viewport()->width() - 4;
    for (const std::string& name : names) {
        auto* item = new QListWidgetItem(metrics.elidedText(Q(name), Qt::ElideRight, width));
        item->setData(Qt::UserRole, Q(name));
        list_->addItem(item);
    }
    connect(list_, &QListWidget::itemSelectionChanged, this, &MacroPicker::TakeListChoice);
    connect(list_, &QListWidget::itemDoubleClicked, this, &MacroPicker::TakeListChoice);
    list_->show();
    update();
}

void MacroPicker::CloseDropDown() {
    if (list_ == nullptr)
        return;
    list_->hide();
    list_->deleteLater();
    list_ = nullptr;
}

void MacroPicker::TakeListChoice() {
    if (list_ == nullptr)
        return;
    if (const QListWidgetItem* item = list_->currentItem(); item != nullptr && item->isSelected()) {
        chosenIndex_ = list_->row(item);
        chosenName_ = item->data(Qt::UserRole).toString().toStdString();
        if (nameField_ != nullptr)
            nameField_->setText(QFontMetrics(font_).elidedText(Q(chosenName_), Qt::ElideRight,
                                                               nameField_->width()));
    }
    CloseDropDown();
    update();
}

void MacroPicker::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintBackground(painter);
    for (int m = 0; m < kModeCount; ++m) {
        const QRect mark = ModeMarkArea(m);
        DrawSkin(painter, ProgramFolder(), m == playMode_ ? skin::kRadioOn : skin::kRadioOff,
                 mark.x(), mark.y());
    }
    painter.setFont(font_);
    painter.setPen(Qt::white);
    PaintButtons(painter);
    painter.drawText(ToQRect(picker::kPromptRect), Qt::AlignCenter | Qt::TextWordWrap, prompt_);
    for (int m = 0; m < kModeCount; ++m) {
        painter.setFont(ModeFont(m));
        painter.drawText(ModeTextRect(m), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                         modeTexts_[static_cast<std::size_t>(m)]);
    }
}

// The picker does not move: every press is its own.
bool MacroPicker::Pressed(const QPoint& at, int button) {
    const bool inDropDown = DropDownArea().contains(at);
    if (list_ != nullptr && !inDropDown && !list_->geometry().contains(at))
        CloseDropDown();
    switch (button) {
        case kOk:
            accept();
            return true;
        case kCancel:
        case kClose:
            reject();
            return true;
        default:
            break;
    }
    if (inDropDown) {
        if (list_ != nullptr)
            CloseDropDown();
        else
            OpenDropDown();
        return true;
    }
    for (int m = 0; m < kModeCount; ++m) {
        if (ModeMarkArea(m).contains(at)) {
            playMode_ = m;
            repaint();
        }
    }
    return true;
}

// No key filter belongs to the picker: it keeps a dialog's keys. Enter confirms as OK does
// (the choice as it stands), Escape cancels.
void MacroPicker::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace vorlak
