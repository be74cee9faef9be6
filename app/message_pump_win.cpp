#include "app/message_pump_win.h"

void dispatchThroughPump(MSG& message) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
}
