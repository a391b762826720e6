// The legacy decoder: any input, no crash; every record it returns has a URL that parses.
#include "catalogue/CatalogueCodec.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray json(reinterpret_cast<const char *>(data), qsizetype(size));
    if (const auto records = CatalogueCodec::decodeLegacyStations(json)) {
        for (const LegacyStation &record : *records) {
            if (!isParsableUrl(record.url))
                std::abort();
        }
    }
    return 0;
}
