#pragma once
// The system's own text converters, as the address-book readers take them.
#include "address_book/text_converters.h"

const address_book::TextConverters& systemConverters();
