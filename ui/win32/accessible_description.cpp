#include "accessible_description.h"

#include <initguid.h>  // the property and class identifiers, defined here once
#include <objbase.h>
#include <oleacc.h>

namespace quorvel::win32 {
namespace {

// The annotation service's class, which MinGW's headers declare but no
// library of theirs defines (its documented value).
constexpr CLSID kAccPropServices = {
    0xb5f8350b, 0x0548, 0x48b1, {0xa6, 0xee, 0x88, 0xbd, 0x00, 0xb4, 0xa5, 0xe7}};

}  // namespace

bool SetAccessibleDescription(HWND window, const std::wstring& description) {
  // On the window's thread, for the program's life: the annotation stays
  // with the window after the service object is released.
  static const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  static_cast<void>(com);
  IAccPropServices* services = nullptr;
  HRESULT result = CoCreateInstance(kAccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                    IID_IAccPropServices, reinterpret_cast<void**>(&services));
  if (SUCCEEDED(result) && services) {
    MSAAPROPID property = PROPID_ACC_DESCRIPTION;
    result = description.empty()
                 ? services->ClearHwndProps(window, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                            &property, 1)
                 : services->SetHwndPropStr(window, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                            property, description.c_str());
    services->Release();
  }
  return SUCCEEDED(result);
}

}  // namespace quorvel::win32
