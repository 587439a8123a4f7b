#include "AccessibleValue.h"

#include <initguid.h> // the interface and property identifiers, defined here

#include <oleacc.h>

namespace ChartWindow {
namespace {

IAccPropServices* Services() {
    static IAccPropServices* const services = []() -> IAccPropServices* {
        HMODULE ole32 = LoadLibraryW(L"ole32.dll");
        if (!ole32)
            return nullptr;
        using Initialize = HRESULT(WINAPI*)(LPVOID);
        using Create = HRESULT(WINAPI*)(REFCLSID, LPUNKNOWN, DWORD, REFIID, LPVOID*);
        const auto initialize =
            reinterpret_cast<Initialize>(reinterpret_cast<void*>(GetProcAddress(ole32, "CoInitialize")));
        const auto create =
            reinterpret_cast<Create>(reinterpret_cast<void*>(GetProcAddress(ole32, "CoCreateInstance")));
        void* made = nullptr;
        if (!initialize || !create || FAILED(initialize(nullptr)) ||
            FAILED(create(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices, &made)))
            return nullptr;
        return static_cast<IAccPropServices*>(made);
    }();
    return services;
}

} // namespace

void SetAccessibleValue(HWND control, const wchar_t* text) {
    BOOL screenReader = FALSE;
    if (!SystemParametersInfoW(SPI_GETSCREENREADER, 0, &screenReader, 0) || !screenReader)
        return;
    if (IAccPropServices* services = Services()) {
        services->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, PROPID_ACC_VALUE, text);
        NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, control, OBJID_CLIENT, CHILDID_SELF);
    }
}

} // namespace ChartWindow
