#include "story/modTalk.h"

void Event_Talk(const std::string& In_strTalkName, const std::string& In_strParam) {
    (void)In_strTalkName;
    (void)In_strParam;
}

void Event_Wait_Confirm() {}
