// SPDX-License-Identifier: MIT
#include "windows/chart_context_menu.h"

#include <QDir>
#include <QFileInfo>
#include <QFileDialog>
#include <QMainWindow>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>
#include <unistd.h>

#include <cerrno>

#include "chart_drawing/chart_export.h"
#include "windows/frm2kin.h"
#include "platform/core/system_error_text.h"

namespace windows {
namespace {

// Why a step of a save failed: what errno says, taken just after the step, else
// what the step was.
std::string FailureReason(int error, const char* step) {
  return error != 0 ? platform::SystemErrorText(error) : step;
}

// Writes the whole file or leaves what was there; returns why not, in Japanese
// (Qt's own error text is the system's, in the user's language).
std::optional<std::string> WriteWholeFile(const std::string& path, const QByteArray& bytes) {
  const QString name = QString::fromStdString(path);
  if (QFileInfo(name).isDir()) return platform::SystemErrorText(EISDIR);
  // As `cp` does: a file the user may not write is not replaced, though its folder
  // would allow it.
  if (access(path.c_str(), W_OK) != 0 && errno != ENOENT) return platform::SystemErrorText(errno);
  QSaveFile file(name);
  errno = 0;
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return FailureReason(errno, "ファイルを作れませんでした");
  errno = 0;
  if (file.write(bytes) != bytes.size()) {
    const int error = errno;
    file.cancelWriting();
    return FailureReason(error, "書き込めませんでした");
  }
  errno = 0;
  if (!file.commit()) return FailureReason(errno, "書き込めませんでした");
  return std::nullopt;
}

void ReportFailure(const std::string& text) {
  platform::Runtime::Get().ShowMessageBox({"Orvalin", text, platform::kOkOnly, true});
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

bool PrintChart(QPrinter& printer, const chart::Chart& chart) {
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
  chart::DrawChartCentred(painter, chart, true, QRectF(QPointF(0, 0), page.size()), printer.resolution());
  return painter.end();
}

void Frm2kin::BuildContextMenu() {
  AddContextMenuItem("ctxsave", "画像として保存…", [this] { ctxsave_Click(); });
  AddContextMenuItem("ctxprint", "印刷…", [this] { ctxprint_Click(); });
}

// The PNG is the window's picture; the SVG and the PDF, made for paper, carry the
// legend the window has no room for.
void Frm2kin::ctxsave_Click() {
  const std::optional<std::string> path = choose_image_file_(Window());
  if (!path || !Client()) return;
  const std::optional<chart::ChartFormat> format = chart::ChartFormatOfFileName(*path);
  if (!format) {
    ReportFailure("画像の種類が分かりません（.png、.svg、.pdf のいずれか）:\n" + *path);
    return;
  }
  const QByteArray bytes = chart::EncodeChart(chart_, *format, *format != chart::ChartFormat::kPng);
  std::optional<std::string> failure = "画像を作れませんでした";
  if (!bytes.isEmpty()) failure = WriteWholeFile(*path, bytes);
  if (failure) ReportFailure("画像を保存できませんでした:\n" + *path + "\n" + *failure);
}

void Frm2kin::ctxprint_Click() {
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(QStringLiteral("均時差"));
  if (!print_dialog_(printer, Window()) || !Client()) return;
  errno = 0;
  if (PrintChart(printer, chart_)) return;
  const int error = errno;
  // Printed into a file (the dialog's PDF printer), the file says why.
  const std::string file = printer.outputFileName().toStdString();
  ReportFailure(file.empty() ? "印刷できませんでした。"
                             : "印刷できませんでした。\n" + file + "\n" + FailureReason(error, "書き込めませんでした"));
}

}  // namespace windows
