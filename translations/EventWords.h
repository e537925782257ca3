#pragma once

#include "export/EventPhrases.h"

// The words of the calendar file's events in the language the program speaks: whoever
// exports reads the events in their own language. The identifiers of the events never
// depend on it.
namespace tenvik {

EventPhrases TranslatedEventPhrases();

} // namespace tenvik
