// The accessible object of a GlyphKey control: its role, name, shortcut, states and default
// action for screen readers; location, hit test and navigation come from the system's
// standard object for the window. Plain C-style COM: one vtable of functions, one record.
#define CINTERFACE
#include "accessible.h"

#include <oleacc.h>
#include <windows.h>

#include "accessible_name.h"
#include "glyphkey_internal.h"

namespace glyphkey {
namespace {

// The library imports none of oleacc.dll, oleaut32.dll and ole32.dll: a host that is never
// asked for an accessible object does not load them. They are loaded from the system folder
// by full path; oleacc.dll is no known DLL, and by its bare name a copy beside the host
// program (on the disc) would be taken first.
struct Services {
  LRESULT(WINAPI* lresultFromObject)(REFIID, WPARAM, LPUNKNOWN);
  HRESULT(WINAPI* createStdAccessibleObject)(HWND, LONG, REFIID, void**);
  BSTR(WINAPI* sysAllocStringLen)(const OLECHAR*, UINT);
  HRESULT(WINAPI* coInitializeEx)(void*, DWORD);
  void(WINAPI* coUninitialize)();
};
// Where each pointer of Services comes from, in the same order.
const struct {
  const wchar_t* library;
  const char* function;
} kServiceSources[] = {{L"\\oleacc.dll", "LresultFromObject"},
                       {L"\\oleacc.dll", "CreateStdAccessibleObject"},
                       {L"\\oleaut32.dll", "SysAllocStringLen"},
                       {L"\\ole32.dll", "CoInitializeEx"},
                       {L"\\ole32.dll", "CoUninitialize"}};
constexpr int kServiceCount = sizeof kServiceSources / sizeof kServiceSources[0];
static_assert(sizeof(Services) == kServiceCount * sizeof(void*), "one source per service");
union {
  Services named;
  void* slots[kServiceCount];
} g_services;
bool g_servicesLoaded = false;

void* SystemFunction(const wchar_t* library, const char* function) {
  wchar_t path[MAX_PATH + 16];
  UINT length = GetSystemDirectoryW(path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return nullptr;
  for (const wchar_t* p = library; (path[length++] = *p) != 0; ++p) {
  }
  HMODULE module = LoadLibraryExW(path, nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
  return module ? reinterpret_cast<void*>(GetProcAddress(module, function)) : nullptr;
}

bool LoadServices() {
  for (int i = 0; i < kServiceCount && !g_servicesLoaded; ++i) {
    g_services.slots[i] = SystemFunction(kServiceSources[i].library, kServiceSources[i].function);
    if (!g_services.slots[i]) return false;
    g_servicesLoaded = i + 1 == kServiceCount;
  }
  return true;
}

// The interface identifiers, spelt out: the library links no uuid or oleacc library.
const GUID kUnknownId = {0x00000000, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
const GUID kDispatchId = {0x00020400, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
const GUID kAccessibleId = {0x618736E0, 0x3C3D, 0x11CF, {0x81, 0x0C, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71}};

bool SameId(REFIID a, const GUID& b) {
  const DWORD* x = reinterpret_cast<const DWORD*>(&a);
  const DWORD* y = reinterpret_cast<const DWORD*>(&b);
  return x[0] == y[0] && x[1] == y[1] && x[2] == y[2] && x[3] == y[3];
}

struct AccessibleObject {
  IAccessible face;  // first, so that the interface pointer is the object's address
  LONG references;
  HWND window;            // null once the window is gone: every call then fails
  IAccessible* standard;  // the system's client object for the same window
};

AccessibleObject* Self(IAccessible* face) {
  return reinterpret_cast<AccessibleObject*>(face);
}

// Checks the object and the child a call names: this object has no children.
HRESULT Check(IAccessible* face, const VARIANT& child) {
  if (!Self(face)->window) return E_FAIL;
  return child.vt == VT_I4 && child.lVal == CHILDID_SELF ? S_OK : E_INVALIDARG;
}

// ---- IUnknown and IDispatch ---------------------------------------------------------

ULONG STDMETHODCALLTYPE AddRef(IAccessible* face) {
  return InterlockedIncrement(&Self(face)->references);
}

ULONG STDMETHODCALLTYPE Release(IAccessible* face) {
  AccessibleObject* self = Self(face);
  LONG left = InterlockedDecrement(&self->references);
  if (left == 0) {
    self->standard->lpVtbl->Release(self->standard);
    HeapFree(GetProcessHeap(), 0, self);
  }
  return left;
}

HRESULT STDMETHODCALLTYPE QueryInterface(IAccessible* face, REFIID id, void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (!SameId(id, kUnknownId) && !SameId(id, kDispatchId) && !SameId(id, kAccessibleId)) return E_NOINTERFACE;
  *out = face;
  AddRef(face);
  return S_OK;
}

// Clients reach the object through its vtable; nothing is offered to late binding.
HRESULT STDMETHODCALLTYPE GetTypeInfoCount(IAccessible*, UINT* count) {
  if (count) *count = 0;
  return S_OK;
}
// Every out parameter is set even so: a caller may free or read what it gets back.
HRESULT STDMETHODCALLTYPE GetTypeInfo(IAccessible*, UINT, LCID, ITypeInfo** out) {
  if (out) *out = nullptr;
  return E_NOTIMPL;
}
HRESULT STDMETHODCALLTYPE GetIDsOfNames(IAccessible*, REFIID, LPOLESTR*, UINT count, LCID, DISPID* ids) {
  for (UINT i = 0; ids && i < count; ++i) ids[i] = DISPID_UNKNOWN;
  return E_NOTIMPL;
}
HRESULT STDMETHODCALLTYPE Invoke(IAccessible*, DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT* result,
                                 EXCEPINFO*, UINT* argumentError) {
  if (result) result->vt = VT_EMPTY;
  if (argumentError) *argumentError = 0;
  return E_NOTIMPL;
}

// ---- What the control itself knows ---------------------------------------------------

BSTR NewString(const wchar_t* prefix, UINT prefixLength, const wchar_t* text, int length) {
  BSTR result = g_services.named.sysAllocStringLen(nullptr, prefixLength + length);
  if (!result) return nullptr;
  for (UINT i = 0; i < prefixLength; ++i) result[i] = prefix[i];
  for (int i = 0; i < length; ++i) result[prefixLength + i] = text[i];
  return result;
}

// The window text read afresh, in UTF-16: WM_SETTEXT from outside changes it too.
// shortcut: "Alt+" and the underlined character, or null when the caption underlines none.
HRESULT CaptionString(HWND window, bool shortcut, BSTR* out) {
  int length = static_cast<int>(DefWindowProcW(window, WM_GETTEXTLENGTH, 0, 0));
  auto* caption = static_cast<wchar_t*>(HeapAlloc(GetProcessHeap(), 0, (2 * length + 2) * sizeof(wchar_t)));
  if (!caption) return E_OUTOFMEMORY;
  ReadCaption(window, caption, length + 1);
  wchar_t* name = caption + length + 1;
  AccessibleName spoken = NameFromCaption(caption, name);
  HRESULT hr = S_OK;
  if (!shortcut)
    *out = NewString(nullptr, 0, name, spoken.length);
  else if (spoken.mnemonic >= 0) {
    *out = NewString(L"Alt+", 4, name + spoken.mnemonic, spoken.mnemonicLength);
    if (*out) CharUpperW(*out + 4);
  } else {
    hr = S_FALSE;  // no shortcut
  }
  HeapFree(GetProcessHeap(), 0, caption);
  return hr == S_OK && !*out ? E_OUTOFMEMORY : hr;
}

BSTR ActionString(HWND window) {
  const wchar_t* action = L"Press";
  if (IsOnOff(window)) action = (RecordOf(window)->state & kStateOn) ? L"Uncheck" : L"Check";
  UINT length = 0;
  while (action[length]) ++length;
  return g_services.named.sysAllocStringLen(action, length);
}

// A push button shown on (BM_SETCHECK) reads as pressed, as a pushed system button does.
LONG StateOf(HWND window) {
  const ControlRecord* record = RecordOf(window);
  bool onOff = IsOnOff(window);
  LONG state = IsWindowEnabled(window) ? STATE_SYSTEM_FOCUSABLE : STATE_SYSTEM_UNAVAILABLE;
  // The window system's focus, not the record's flag: that one follows WM_SETFOCUS and
  // WM_KILLFOCUS, which a reader's call may overtake.
  if (GetFocus() == window) state |= STATE_SYSTEM_FOCUSED;
  if ((record->state & kStatePressed) || (!onOff && (record->state & kStateOn)))
    state |= STATE_SYSTEM_PRESSED;
  if (onOff && (record->state & kStateOn)) state |= STATE_SYSTEM_CHECKED;
  if (!onOff && (record->state & kStateDefault)) state |= STATE_SYSTEM_DEFAULT;
  if (!IsWindowVisible(window)) state |= STATE_SYSTEM_INVISIBLE;
  return state;
}

enum class Text { kName, kShortcut, kAction };
enum class Number { kRole, kState };

HRESULT TextProperty(IAccessible* face, const VARIANT& child, BSTR* out, Text which) {
  if (!out) return E_POINTER;
  *out = nullptr;
  HRESULT hr = Check(face, child);
  if (FAILED(hr)) return hr;
  HWND window = Self(face)->window;
  if (which != Text::kAction) return CaptionString(window, which == Text::kShortcut, out);
  *out = ActionString(window);
  return *out ? S_OK : E_OUTOFMEMORY;
}

HRESULT NumberProperty(IAccessible* face, const VARIANT& child, VARIANT* out, Number which) {
  if (!out) return E_POINTER;
  out->vt = VT_EMPTY;
  HRESULT hr = Check(face, child);
  if (FAILED(hr)) return hr;
  HWND window = Self(face)->window;
  out->vt = VT_I4;
  if (which == Number::kState)
    out->lVal = StateOf(window);
  else
    out->lVal = IsOnOff(window) ? ROLE_SYSTEM_CHECKBUTTON : ROLE_SYSTEM_PUSHBUTTON;
  return S_OK;
}

HRESULT STDMETHODCALLTYPE GetName(IAccessible* face, VARIANT child, BSTR* out) {
  return TextProperty(face, child, out, Text::kName);
}
HRESULT STDMETHODCALLTYPE GetKeyboardShortcut(IAccessible* face, VARIANT child, BSTR* out) {
  return TextProperty(face, child, out, Text::kShortcut);
}
HRESULT STDMETHODCALLTYPE GetDefaultAction(IAccessible* face, VARIANT child, BSTR* out) {
  return TextProperty(face, child, out, Text::kAction);
}
HRESULT STDMETHODCALLTYPE GetRole(IAccessible* face, VARIANT child, VARIANT* out) {
  return NumberProperty(face, child, out, Number::kRole);
}
HRESULT STDMETHODCALLTYPE GetState(IAccessible* face, VARIANT child, VARIANT* out) {
  return NumberProperty(face, child, out, Number::kState);
}

// The click is posted: a screen reader's call must not wait while the host runs what the
// button starts (the launcher may start a program or open a popup menu).
HRESULT STDMETHODCALLTYPE DoDefaultAction(IAccessible* face, VARIANT child) {
  HRESULT hr = Check(face, child);
  if (FAILED(hr)) return hr;
  HWND window = Self(face)->window;
  if (!IsWindowEnabled(window)) return E_FAIL;
  return PostMessageA(window, BM_CLICK, 0, 0) ? S_OK : E_FAIL;
}

// The host's line of help for the control when it gave one, else the standard object's:
// as the description (MSAA readers) and as the help, which is where UI Automation
// clients such as Narrator read what a tooltip says.
HRESULT HostHelp(IAccessible* face, VARIANT child, BSTR* out, bool asHelp) {
  HRESULT hr = Check(face, child);
  if (FAILED(hr)) return hr;
  const wchar_t* description = RecordOf(Self(face)->window)->description;
  IAccessible* standard = Self(face)->standard;
  if (!description)
    return asHelp ? standard->lpVtbl->get_accHelp(standard, child, out)
                  : standard->lpVtbl->get_accDescription(standard, child, out);
  if (!out) return E_POINTER;
  *out = NewString(nullptr, 0, description, lstrlenW(description));
  return *out ? S_OK : E_OUTOFMEMORY;
}
HRESULT STDMETHODCALLTYPE GetDescription(IAccessible* face, VARIANT child, BSTR* out) {
  return HostHelp(face, child, out, false);
}
HRESULT STDMETHODCALLTYPE GetHelp(IAccessible* face, VARIANT child, BSTR* out) {
  return HostHelp(face, child, out, true);
}

HRESULT STDMETHODCALLTYPE GetChildCount(IAccessible* face, LONG* count) {
  if (!count) return E_POINTER;
  *count = 0;
  return Self(face)->window ? S_OK : E_FAIL;
}

// ---- What the system's standard object answers --------------------------------------

#define FORWARD(method, parameters, arguments)       \
  HRESULT STDMETHODCALLTYPE method parameters {      \
    AccessibleObject* self = Self(face);             \
    if (!self->window) return E_FAIL;                \
    return self->standard->lpVtbl->method arguments; \
  }

FORWARD(get_accParent, (IAccessible * face, IDispatch** out), (self->standard, out))
FORWARD(get_accChild, (IAccessible * face, VARIANT child, IDispatch** out), (self->standard, child, out))
FORWARD(get_accValue, (IAccessible * face, VARIANT child, BSTR* out), (self->standard, child, out))
FORWARD(get_accHelpTopic, (IAccessible * face, BSTR* file, VARIANT child, LONG* topic),
        (self->standard, file, child, topic))
FORWARD(get_accFocus, (IAccessible * face, VARIANT* out), (self->standard, out))
FORWARD(get_accSelection, (IAccessible * face, VARIANT* out), (self->standard, out))
FORWARD(accSelect, (IAccessible * face, LONG flags, VARIANT child), (self->standard, flags, child))
FORWARD(accLocation, (IAccessible * face, LONG* x, LONG* y, LONG* w, LONG* h, VARIANT child),
        (self->standard, x, y, w, h, child))
FORWARD(accNavigate, (IAccessible * face, LONG direction, VARIANT start, VARIANT* out),
        (self->standard, direction, start, out))
FORWARD(accHitTest, (IAccessible * face, LONG x, LONG y, VARIANT* out), (self->standard, x, y, out))
FORWARD(put_accName, (IAccessible * face, VARIANT child, BSTR name), (self->standard, child, name))
FORWARD(put_accValue, (IAccessible * face, VARIANT child, BSTR value), (self->standard, child, value))

const IAccessibleVtbl kVtable = {
    QueryInterface,
    AddRef,
    Release,
    GetTypeInfoCount,
    GetTypeInfo,
    GetIDsOfNames,
    Invoke,
    get_accParent,
    GetChildCount,
    get_accChild,
    GetName,
    get_accValue,
    GetDescription,
    GetRole,
    GetState,
    GetHelp,
    get_accHelpTopic,
    GetKeyboardShortcut,
    get_accFocus,
    get_accSelection,
    GetDefaultAction,
    accSelect,
    accLocation,
    accNavigate,
    accHitTest,
    DoDefaultAction,
    put_accName,
    put_accValue,
};

const char kObjectProperty[] = "GlyphKeyAccessible";

AccessibleObject* CreateObject(HWND window) {
  auto* object =
      static_cast<AccessibleObject*>(HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, sizeof(AccessibleObject)));
  if (!object) return nullptr;
  if (FAILED(g_services.named.createStdAccessibleObject(window, OBJID_CLIENT, kAccessibleId,
                                                        reinterpret_cast<void**>(&object->standard)))) {
    HeapFree(GetProcessHeap(), 0, object);
    return nullptr;
  }
  object->face.lpVtbl = const_cast<IAccessibleVtbl*>(&kVtable);
  object->references = 1;  // the control's own, given back at WM_DESTROY
  object->window = window;
  if (!SetPropA(window, kObjectProperty, object)) {
    Release(&object->face);
    return nullptr;
  }
  // A screen reader may call the object after the host has freed this library; the code
  // it calls must stay, so the library stays loaded until the process ends.
  HMODULE self;
  GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_PIN,
                     reinterpret_cast<LPCWSTR>(&GlyphKeyWndProc), &self);
  return object;
}

}  // namespace

LRESULT OnGetObject(HWND window, WPARAM flags, LPARAM objectId) {
  if (static_cast<LONG>(objectId) != OBJID_CLIENT || !LoadServices())
    return DefWindowProcA(window, WM_GETOBJECT, flags, objectId);
  // A reader in another process reaches the object through COM on this thread. A host
  // thread without COM gets a single-threaded apartment, the kind a window's thread has,
  // and keeps it: calls then arrive through its message loop, never in parallel with the
  // window's own messages. A thread that has one already keeps its own count. A thread
  // in the multithreaded apartment would take calls on COM's threads, reading the record
  // while the window changes or frees it: it gets the system's object for the window.
  HRESULT apartment = g_services.named.coInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  if (apartment == S_FALSE) g_services.named.coUninitialize();
  if (FAILED(apartment)) return DefWindowProcA(window, WM_GETOBJECT, flags, objectId);
  auto* object = static_cast<AccessibleObject*>(GetPropA(window, kObjectProperty));
  if (!object) object = CreateObject(window);
  if (!object) return DefWindowProcA(window, WM_GETOBJECT, flags, objectId);
  return g_services.named.lresultFromObject(kAccessibleId, flags, reinterpret_cast<IUnknown*>(&object->face));
}

void DetachAccessible(HWND window) {
  auto* object = static_cast<AccessibleObject*>(RemovePropA(window, kObjectProperty));
  if (!object) return;
  object->window = nullptr;
  Release(&object->face);
}

}  // namespace glyphkey
