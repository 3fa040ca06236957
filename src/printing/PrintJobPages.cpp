#include "printing/PrintJobPages.h"
