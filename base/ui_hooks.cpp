#include "base/ui_hooks.h"

static UiHooks* installedHooks = nullptr;

UiHooks& ui() {
    static UiHooks silent;
    return installedHooks ? *installedHooks : silent;
}

void SetUiHooks(UiHooks* hooks) {
    installedHooks = hooks;
}
