#include "files/io/sheet_pdf.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <algorithm>
#include <vector>

#include "files/channel_sheet.h"

namespace {

constexpr int kDpi = 600;
constexpr double kMarginMm = 15.0;

double Mm(double mm) {
  return mm * kDpi / 25.4;
}

QString Q(const std::string& text) {
  return QString::fromStdString(text);
}

// One family with both scripts, so that a caption never changes face halfway.
QFont SheetFont(double points, bool bold = false) {
  QFont font(QStringLiteral("WenQuanYi Micro Hei"));
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(points);
  font.setBold(bold);
  return font;
}

// One row of a table: framed cells, shaded where asked, each text centred
// vertically and aligned as given.
struct SheetCell {
  QString text;
  Qt::Alignment align = Qt::AlignHCenter;
  bool shaded = false;
};

void DrawRow(QPainter& painter, const std::vector<SheetCell>& cells,
             const std::vector<double>& widths, double y, double height) {
  double x = 0;
  for (std::size_t c = 0; c < cells.size(); ++c) {
    const QRectF box(x, y, widths[c], height);
    if (cells[c].shaded) painter.fillRect(box, QColor(230, 230, 230));
    painter.drawRect(box);
    painter.drawText(box.adjusted(Mm(1.5), 0, -Mm(1.5), 0),
                     static_cast<int>(cells[c].align | Qt::AlignVCenter), cells[c].text);
    x += widths[c];
  }
}

}  // namespace

QByteArray ChannelSheetPdf(const ChannelSheet& sheet) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&buffer);
    writer.setResolution(kDpi);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                                     QPageLayout::Millimeter));
    writer.setTitle(Q(sheet.title));
    writer.setCreator(QStringLiteral("rt410"));
    QPainter painter(&writer);
    painter.setPen(QPen(Qt::black, Mm(0.2)));
    const double width = writer.width();
    double y = 0;

    painter.setFont(SheetFont(18, true));
    const double titleHeight = QFontMetricsF(painter.font(), &writer).height() * 1.4;
    painter.drawText(QRectF(0, y, width, titleHeight), Qt::AlignCenter, Q(sheet.title));
    y += titleHeight + Mm(2);

    painter.setFont(SheetFont(11));
    const double lineHeight = QFontMetricsF(painter.font(), &writer).height() * 1.3;
    painter.drawText(QRectF(0, y, width, lineHeight), Qt::AlignLeft | Qt::AlignVCenter,
                     Q(sheet.modelBand));
    painter.drawText(QRectF(0, y, width, lineHeight), Qt::AlignRight | Qt::AlignVCenter,
                     Q(sheet.date));
    y += lineHeight + Mm(4);

    // The channels: each column as wide as its widest text, the spare width shared out.
    const QFont header = SheetFont(9, true);
    const QFont body = SheetFont(9);
    const QFontMetricsF headerMetrics(header, &writer);
    const QFontMetricsF bodyMetrics(body, &writer);
    std::vector<double> widths(sheet.columns.size(), 0.0);
    for (std::size_t c = 0; c < widths.size(); ++c) {
      widths[c] = headerMetrics.horizontalAdvance(Q(sheet.columns[c]));
      for (const auto& channel : sheet.rows)
        widths[c] = std::max(widths[c], bodyMetrics.horizontalAdvance(Q(channel[c])));
      widths[c] += Mm(4);
    }
    double natural = 0;
    for (double w : widths) natural += w;
    for (double& w : widths) w += (width - natural) * w / natural;
    const double rowHeight = bodyMetrics.height() * 1.9;

    std::vector<SheetCell> cells;
    for (const std::string& caption : sheet.columns) cells.push_back({Q(caption), {}, true});
    painter.setFont(header);
    DrawRow(painter, cells, widths, y, rowHeight);
    y += rowHeight;
    painter.setFont(body);
    for (const auto& channel : sheet.rows) {
      cells.clear();
      for (const std::string& text : channel) cells.push_back({Q(text)});
      DrawRow(painter, cells, widths, y, rowHeight);
      y += rowHeight;
    }
    y += Mm(8);

    painter.setFont(SheetFont(12, true));
    painter.drawText(QRectF(0, y, width, lineHeight), Qt::AlignLeft | Qt::AlignVCenter,
                     Q(sheet.optionsTitle));
    y += lineHeight + Mm(1);

    // The features as caption and value, two pairs to a line, the first half on the left.
    painter.setFont(body);
    const std::vector<double> quarters(4, width / 4);
    const std::size_t lines = (sheet.options.size() + 1) / 2;
    for (std::size_t i = 0; i < lines; ++i) {
      cells.clear();
      for (const std::size_t k : {i, i + lines}) {
        const bool shown = k < sheet.options.size();
        cells.push_back({shown ? Q(sheet.options[k].caption) : QString(), Qt::AlignLeft, true});
        cells.push_back({shown ? Q(sheet.options[k].value) : QString()});
      }
      DrawRow(painter, cells, quarters, y, rowHeight);
      y += rowHeight;
    }
  }
  buffer.close();
  return bytes;
}

bool WriteChannelSheetPdf(const ChannelSheet& sheet, const QString& path, QString& error) {
  const QByteArray bytes = ChannelSheetPdf(sheet);
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
    error = file.errorString();
    return false;
  }
  return true;
}
