#include "app/drop_target.h"

#include <vector>

#include "gdiplus/binding.h"

namespace dotlock {
namespace {

FORMATETC HdropFormat() { return {CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL}; }

}  // namespace

std::string DroppedText(HDROP drop) {
    const UINT count = LATE_BOUND("shell32.dll", DragQueryFileA)(drop, 0xFFFFFFFF, nullptr, 0);
    std::string text;
    for (UINT i = 0; i < count; ++i) {
        const UINT length = LATE_BOUND("shell32.dll", DragQueryFileA)(drop, i, nullptr, 0);
        std::vector<char> path(length + 1);
        const UINT got = LATE_BOUND("shell32.dll", DragQueryFileA)(drop, i, path.data(), length + 1);
        text.append(path.data(), got);
        if (count > 1) text += "\r\n";
    }
    return text;
}

HRESULT STDMETHODCALLTYPE FileDropTarget::QueryInterface(REFIID riid, void** object) {
    if (!object) return E_POINTER;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDropTarget)) {
        *object = static_cast<IDropTarget*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE FileDropTarget::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&refs_)); }

ULONG STDMETHODCALLTYPE FileDropTarget::Release() {
    const LONG left = InterlockedDecrement(&refs_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
}

HRESULT STDMETHODCALLTYPE FileDropTarget::DragEnter(IDataObject* data, DWORD, POINTL, DWORD* effect) {
    FORMATETC format = HdropFormat();
    dragHasFiles_ = data && data->QueryGetData(&format) == S_OK;
    return DragOver(0, {}, effect);
}

HRESULT STDMETHODCALLTYPE FileDropTarget::DragOver(DWORD, POINTL, DWORD* effect) {
    if (!effect) return E_INVALIDARG;
    // Copy: the folder is renamed in place, so the source must never delete it.
    *effect = (accepting_ && dragHasFiles_) ? DROPEFFECT_COPY : DROPEFFECT_NONE;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE FileDropTarget::DragLeave() {
    dragHasFiles_ = false;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE FileDropTarget::Drop(IDataObject* data, DWORD, POINTL, DWORD* effect) {
    dragHasFiles_ = false;
    if (effect) *effect = DROPEFFECT_NONE;
    if (!data || !accepting_) return S_OK;
    FORMATETC format = HdropFormat();
    STGMEDIUM medium{};
    if (data->GetData(&format, &medium) != S_OK) return S_OK;
    std::string text;
    if (void* locked = GlobalLock(medium.hGlobal)) {
        text = DroppedText(static_cast<HDROP>(locked));
        GlobalUnlock(medium.hGlobal);
    }
    ReleaseStgMedium(&medium);
    if (text.empty()) return S_OK;
    if (effect) *effect = DROPEFFECT_COPY;
    onDrop_(text);
    return S_OK;
}

FileDropTarget* RegisterFileDropTarget(HWND window, FileDropTarget::Handler onDrop) {
    auto* target = new FileDropTarget(std::move(onDrop));
    RegisterDragDrop(window, target);  // a failure only means no drops arrive
    return target;
}

}  // namespace dotlock
