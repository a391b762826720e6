// The built-in list's XML parser: any input, no crash; every station it keeps has a URL that
// parses and sits in a named category.
#include "catalogue/StationXMLParser.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    StationXMLParser parser;
    parser.parse(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    for (const StationCategory &category : parser.categories) {
        for (const RadioStation &station : category.stations) {
            if (!isParsableUrl(station.url))
                std::abort();
        }
    }
    return 0;
}
