// The settings host: the panel on the right of the main window that holds the DPI,
// lighting, polling-rate and pointer panels. Here it shows its background.
#pragma once

#include <QImage>
#include <QWidget>

#include <filesystem>

namespace vorlak {

class CDlgadvance : public QWidget {
    Q_OBJECT
public:
    explicit CDlgadvance(const std::filesystem::path& programFolder, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage background_;
};

}  // namespace vorlak
