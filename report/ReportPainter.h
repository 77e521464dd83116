#pragma once

#include "report/ReportLayout.h"

#include <QByteArray>

class QPagedPaintDevice;
class QPainter;

namespace report {

// Paints one laid-out page with the painter's origin at the paper's top-left corner,
// at the resolution of the painter's device (100 % across and down).
void paintPage(QPainter& painter, const Page& page);

// Paints the given pages (indexes into layout.pages) one per sheet. The device must
// be set to put its origin at the paper's corner (full page, no margins).
void paintPages(QPagedPaintDevice& device, const Layout& layout, const std::vector<int>& pages);

// The whole report as a PDF document of 8.5 by 11 in pages.
QByteArray renderPdf(const Layout& layout, const QString& title);

} // namespace report
