// The state handlers' own reference to the main window, bound by Event_Init on the first loading
// tick: the target of their clears, filled boxes and refreshes.
#pragma once

namespace platform {
class Form;
}

extern platform::Form* gobjEventForm;
