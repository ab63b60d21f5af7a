#include "app/system_converters.h"

#include "platform/code_pages.h"

const address_book::TextConverters& systemConverters() {
    static const address_book::TextConverters converters{platform::utf8ToAnsi, platform::ansiToUtf8,
                                                         platform::codePageToUtf8};
    return converters;
}
