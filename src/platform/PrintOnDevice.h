#pragma once

class PrintJobPages;
class QPagedPaintDevice;
struct PrintLayout;

// Begins a job on device (layout takes its margins, cell and lines from it),
// then draws pages first .. last (1-based, inclusive; last 0 for up to the
// page count) with a new device page between two. The one road of the print
// preview, the printer and the PDF file. Answers the pages drawn; 0 when the
// device could not be painted on.
int PrintOnDevice(QPagedPaintDevice& device, PrintJobPages& pages, PrintLayout& layout, int first, int last);
