#pragma once
// The tool's printable documents (HTML) as PDF files and on printers:
// paged by Qt's text layout, so a page breaks between a table's rows and
// the heading row comes again on the next page.

#include <QPageSize>
#include <QString>

class QWidget;

namespace lumora {

// Letter where the system's locale measures in US units, A4 elsewhere.
QPageSize DefaultPageSize();

// The document as a PDF file, whole or not at all; throws EFCreateError.
void SaveDocumentPdf(const QString &html, const QString &fileName, bool landscape,
                     const QPageSize &size = DefaultPageSize());

// The print preview, on the system's default printer and its settings;
// Print there prints.
void PreviewAndPrintDocument(QWidget *parent, const QString &html, bool landscape);

} // namespace lumora
