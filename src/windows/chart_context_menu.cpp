// SPDX-License-Identifier: MIT
#include "windows/chart_context_menu.h"

#include <QDir>
#include <QFileInfo>
#include <QFileDialog>
#include <QMainWindow>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include <cerrno>

#include "chart_drawing/chart_export.h"
#include "platform/core/system_error_text.h"
#include "platform/core/whole_file.h"

namespace windows {
namespace {

// Why a step of a save failed: what errno says, taken just after the step, else
// what the step was.
std::string FailureReason(int error, const char* step) {
  return error != 0 ? platform::SystemErrorText(error) : step;
}

// Why the whole-file writer could not write, as the windows say it.
std::string FailureText(const platform::WholeFileFailure& failure) {
  if (failure.error != 0) return platform::SystemErrorText(failure.error);
  return failure.reason == platform::WholeFileFailure::Reason::kEmptyName ? "ファイルを作れませんでした"
                                                                          : "書き込めませんでした";
}

}  // namespace

std::optional<std::string> ChooseImageFileByDialog(QWidget* parent) {
  const QString png = QStringLiteral("PNG 画像 (*.png)");
  const QString svg = QStringLiteral("SVG 画像 (*.svg)");
  const QString pdf = QStringLiteral("PDF (*.pdf)");
  QString chosen_type = png;
  QString path = QFileDialog::getSaveFileName(parent, QStringLiteral("画像として保存"),
                                              QDir::home().filePath(QStringLiteral("均時差.png")),
                                              png + ";;" + svg + ";;" + pdf, &chosen_type);
  if (path.isEmpty()) return std::nullopt;
  // A name typed without a known extension gets the one of the type chosen.
  if (!chart::ChartFormatOfFileName(path.toStdString())) {
    path += chosen_type == svg ? QStringLiteral(".svg") : chosen_type == pdf ? QStringLiteral(".pdf") : QStringLiteral(".png");
  }
  return path.toStdString();
}

bool ShowPrintDialog(QPrinter& printer, QWidget* parent) {
  QPrintDialog dialog(&printer, parent);
  dialog.setWindowTitle(QStringLiteral("印刷"));
  return dialog.exec() == QDialog::Accepted;
}

std::optional<std::string> SaveChartImage(const std::string& path, chart::ChartFormat format,
                                          const chart::Chart& chart, double device_pixel_ratio) {
  const QByteArray bytes = chart::EncodeChart(chart, format, format != chart::ChartFormat::kPng, device_pixel_ratio);
  if (bytes.isEmpty()) return "画像を作れませんでした";
  if (const auto failure = platform::WriteWholeFile(path, std::string_view(bytes.constData(), bytes.size()))) {
    return FailureText(*failure);
  }
  return std::nullopt;
}

std::optional<std::string> PrintChart(QPrinter& printer, const chart::Chart& chart) {
  errno = 0;
  QPainter painter;
  if (painter.begin(&printer)) {
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    chart::DrawChartCentred(painter, chart, true, QRectF(QPointF(0, 0), page.size()), printer.resolution());
    if (painter.end()) return std::nullopt;
  }
  const int error = errno;
  // Printed into a file (the dialog's PDF printer), the file says why.
  const std::string file = printer.outputFileName().toStdString();
  return file.empty() ? "印刷できませんでした。"
                      : "印刷できませんでした。\n" + file + "\n" + FailureReason(error, "書き込めませんでした");
}

}  // namespace windows
