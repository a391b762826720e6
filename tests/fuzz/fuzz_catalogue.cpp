// The catalogue decoder, differentially: whatever the fast reader takes, the general path through
// QJsonDocument must take too, with the same result; and a decoded catalogue whose text UTF-8 can
// hold survives encoding and decoding unchanged.
#include "catalogue/CatalogueCodec.h"
#include "catalogue/PlainCatalogueReader.h"

#include <cstdlib>

namespace {
bool savable(const Catalogue &catalogue)
{
    for (const StationCategory &category : catalogue) {
        if (!category.name.isValidUtf16())
            return false;
        for (const RadioStation &station : category.stations) {
            if (!station.name.isValidUtf16() || !station.url.isValidUtf16())
                return false;
        }
    }
    return true;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray json(reinterpret_cast<const char *>(data), qsizetype(size));
    const auto fast = PlainCatalogueReader::read(json);
    const auto general = CatalogueCodec::decodeCatalogueDocument(json);
    if (fast && (!general || *general != *fast))
        std::abort(); // the fast reader took what the general path reads otherwise
    if (general && savable(*general)) {
        const auto again = CatalogueCodec::decodeCatalogue(CatalogueCodec::encodeCatalogue(*general));
        if (!again || *again != *general)
            std::abort(); // a saved catalogue does not read back the same
    }
    return 0;
}
