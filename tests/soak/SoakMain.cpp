// vantrel_review_soak [TOGGLES [RECORDS]]: see ReviewSoak.
#include "ReviewSoak.h"

#include <cstdlib>

int main(int argc, char** argv)
{
    const int toggles = argc > 1 ? std::atoi(argv[1]) : 2000;
    const int records = argc > 2 ? std::atoi(argv[2]) : 200;
    if (toggles < 1 || records < 1)
        return 2;
    ReviewSoak soak(records, toggles);
    return soak.Run();
}
