#pragma once

// What every bench of the panes stands on: the Qt application, a record root
// of its own and the review document with the scripted desktop and the
// command binder. A bench's fixture derives from it and declares its widgets
// itself, so that they go before the document and the application.

#include "FakeReviewServices.h"
#include "TempDir.h"

#include "config/CCodeNoteMap.h"
#include "config/CVantrelSettings.h"
#include "document/CVantrelDoc.h"
#include "platform/CCommandBinder.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <functional>

class QWidget;

namespace bench {

// Offscreen unless the run names a platform; true.
bool UseOffscreenUnlessNamed();

struct ReviewBenchFixture {
    // The document is a new one on the root, not yet refreshed.
    ReviewBenchFixture();

    bool offscreen = UseOffscreenUnlessNamed();  // before the application reads it
    int argc = 1;
    char name[16] = "vantrel_bench";
    char* argv[2] = {name, nullptr};
    QApplication application{argc, argv};
    testsupport::TempDir root;
    CVantrelSettings settings;
    CCodeNoteMap codeNotes;
    testsupport::FakeReviewServices services;
    CVantrelDoc document{settings, codeNotes, services};
    CCommandBinder binder{document, nullptr};
};

// Shows the widget and waits until its window is exposed: until then a
// repaint paints nothing.
void ShowExposed(QWidget& widget);

// A benchmark in milliseconds: once for the smoke run, else five repetitions
// of which the ratios take the median.
void AddTimed(const char* name, const std::function<void(benchmark::State&)>& function, bool smoke);

}  // namespace bench
