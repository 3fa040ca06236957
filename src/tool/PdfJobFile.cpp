#include "tool/PdfJobFile.h"

#include "base/AtomicFileWriter.h"
#include "platform/PrintOnDevice.h"

#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

namespace {

// Fine enough for a frame's detail on paper, as an office printer prints it.
constexpr int DotsPerInch = 300;

// The job into the open file; the writer finishes the document when its
// painter ends, inside PrintOnDevice.
int PrintInto(QFile& file, bool landscape, PrintJobPages& pages, PrintLayout& layout)
{
    QPdfWriter writer(&file);
    writer.setResolution(DotsPerInch);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4),
                                     landscape ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF()));
    writer.setCreator(QStringLiteral("vantrel-tool"));
    return PrintOnDevice(writer, pages, layout, 1, 0);
}

}  // namespace

int WritePdfJob(const std::string& path, bool landscape, PrintJobPages& pages, PrintLayout& layout)
{
    AtomicFileWriter target(path);
    if (!target.Stream())
        return 0;
    QFile file;
    if (!file.open(target.Stream(), QIODevice::WriteOnly))
        return 0;
    const int printed = PrintInto(file, landscape, pages, layout);
    const bool written = file.flush() && file.error() == QFileDevice::NoError;
    file.close();
    return printed > 0 && written && target.Commit() ? printed : 0;
}
