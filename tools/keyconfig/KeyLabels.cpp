#include "tools/keyconfig/KeyLabels.h"

#include "platform/KeyNames.h"

std::string DikLabel(int code) {
    const char* name = KeyNameForCode(code);
    return name ? std::string("DIK_") + name : std::string();
}
