#include "ui/DocumentPrinter.h"

#include "memory/WholeFile.h"
#include "ui/ToolTexts.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFont>
#include <QFontDatabase>
#include <QLocale>
#include <QPageLayout>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTextDocument>
#include <QTextOption>

namespace lumora {

namespace {

// A family the system has: where no font configuration stands for
// "sans-serif" (lumora-cli on Windows reads a fonts folder), a family the
// folder lacks would print every letter as a box.
QFont documentFont()
{
    const QStringList families = QFontDatabase::families();
    QString family = families.value(0);
    for (const char *wanted : {"DejaVu Sans", "Liberation Sans", "Arial", "Segoe UI", "Tahoma", "Verdana",
                               "Noto Sans", "Helvetica"})
        if (families.contains(QLatin1String(wanted))) {
            family = QLatin1String(wanted);
            break;
        }
    QFont font(family);
    font.setPointSizeF(8);
    return font;
}

// Words are not broken: a frequency stays whole, a heading wraps between words.
void layOut(QTextDocument &document, const QString &html)
{
    document.setDefaultFont(documentFont());
    QTextOption option = document.defaultTextOption();
    option.setWrapMode(QTextOption::WordWrap);
    document.setDefaultTextOption(option);
    document.setHtml(html);
}

} // namespace

QPageSize DefaultPageSize()
{
    return QPageSize(QLocale::system().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                                        : QPageSize::A4);
}

void SaveDocumentPdf(const QString &html, const QString &fileName, bool landscape, const QPageSize &size)
{
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setCreator(ToolTitle());
        writer.setPageLayout(QPageLayout(size, landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                                         QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
        writer.setResolution(300);
        QTextDocument document; // it keeps 2 cm around the text, and numbers the pages
        layOut(document, html);
        writer.setTitle(document.metaInformation(QTextDocument::DocumentTitle));
        document.print(&writer);
    }
    SaveWholeFile(fileName, pdf.data());
}

void PreviewAndPrintDocument(QWidget *parent, const QString &html, bool landscape)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    QTextDocument document;
    layOut(document, html);
    printer.setDocName(document.metaInformation(QTextDocument::DocumentTitle));
    QPrintPreviewDialog preview(&printer, parent);
    preview.setWindowTitle(QCoreApplication::translate("ToolTexts", "Print preview - %1").arg(ToolTitle()));
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&document](QPrinter *p) { document.print(p); });
    preview.resize(900, 700);
    preview.exec();
}

} // namespace lumora
