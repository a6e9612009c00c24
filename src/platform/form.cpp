#include "platform/form.h"

#include "platform/host.h"

namespace platform {

void Form::Refresh() const {
    if (Host_IsSet()) Host_Get().Present(image);
}

}  // namespace platform
