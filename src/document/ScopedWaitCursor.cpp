#include "document/ScopedWaitCursor.h"

#include "document/ReviewServices.h"

ScopedWaitCursor::ScopedWaitCursor(ReviewServices& services) : services_(services)
{
    services_.BeginWaitCursor();
}

ScopedWaitCursor::~ScopedWaitCursor()
{
    services_.EndWaitCursor();
}
