#include "app/FontWarmUp.h"

#include <thread>
#ifdef NETVANE_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

// The toolkit asks the same library for the same configuration later; whichever
// of the two finishes first is the one both use.
struct TFontWarmUp::Impl {
#ifdef NETVANE_HAVE_FONTCONFIG
    std::thread reader{[] { FcInit(); }};
#else
    std::thread reader;
#endif
};

TFontWarmUp::TFontWarmUp() : d(std::make_unique<Impl>()) {}

TFontWarmUp::~TFontWarmUp()
{
    if (d->reader.joinable())
        d->reader.join();
}
