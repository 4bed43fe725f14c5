// Makes a window accept dropped files and folders (OLE drag and drop).
#ifndef DOTLOCK_APP_DROP_TARGET_H
#define DOTLOCK_APP_DROP_TARGET_H

#include <windows.h>
#include <ole2.h>
#include <shellapi.h>

#include <functional>
#include <string>

namespace dotlock {

// The dropped paths as one text: a single path alone, several each followed
// by CR LF, in the order the shell lists them.
std::string DroppedText(HDROP drop);

class FileDropTarget final : public IDropTarget {
public:
    using Handler = std::function<void(const std::string& droppedText)>;

    explicit FileDropTarget(Handler onDrop) : onDrop_(std::move(onDrop)) {}
    FileDropTarget(const FileDropTarget&) = delete;
    FileDropTarget& operator=(const FileDropTarget&) = delete;

    // While refused (say, while a drop is being handled) drops are declined.
    void SetAccepting(bool accepting) { accepting_ = accepting; }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keys, POINTL pt,
                                        DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragOver(DWORD keys, POINTL pt, DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragLeave() override;
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keys, POINTL pt,
                                   DWORD* effect) override;

private:
    ~FileDropTarget() = default;  // reference counted: ends through Release

    Handler onDrop_;
    LONG refs_ = 1;
    bool accepting_ = true;
    bool dragHasFiles_ = false;
};

// Creates the target (reference count 1) and registers it on `window`.
FileDropTarget* RegisterFileDropTarget(HWND window, FileDropTarget::Handler onDrop);

}  // namespace dotlock

#endif
