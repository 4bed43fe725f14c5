#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "../import_table.h"
#include "child_process.h"
#include "gdiplus/object.h"

namespace gdiplus {
namespace {

// A minimal wrapper over a GDI+ bitmap that follows the method kinds with the
// base's helpers, and counts how often its typed field is rewritten.
class ProbeWrapper : public GdiPlusObject {
public:
    ~ProbeWrapper() override { Dispose(); }
    bool Create(int width, int height) {
        return FinishCreate(GDIP(GdipCreateBitmapFromScan0)(width, height, 0, PixelFormat32bppARGB,
                                                            nullptr, &bitmap_),
                            bitmap_);
    }
    bool Dispose() { return ReleaseWith(bitmap_, GDIP(GdipDisposeImage)); }
    bool Clone(ProbeWrapper& target) {
        Gdiplus::GpImage* out = nullptr;
        return Produce(GDIP(GdipCloneImage)(bitmap_, &out), target, out);
    }
    Gdiplus::GpBitmap* typed() const { return bitmap_; }
    int handleSets = 0;

protected:
    void OnHandleSet(void* handle) override {
        bitmap_ = static_cast<Gdiplus::GpBitmap*>(handle);
        ++handleSets;
    }

private:
    Gdiplus::GpBitmap* bitmap_ = nullptr;
};

TEST(StatusConvention, ReleaseOfEmptyWrapperMakesNoCallAndKeepsStatus) {
    ProbeWrapper empty;
    LastGdiStatus = 42;
    EXPECT_FALSE(empty.Dispose());
    EXPECT_EQ(LastGdiStatus.load(), 42);
    EXPECT_EQ(empty.handleSets, 0);
}

TEST(StatusConvention, SecondReleaseReturnsFalse) {
    ProbeWrapper wrapper;
    ASSERT_TRUE(wrapper.Create(2, 2));
    EXPECT_NE(wrapper.GetHandle(), nullptr);
    EXPECT_EQ(wrapper.typed(), wrapper.GetHandle());
    LastGdiStatus = 42;
    EXPECT_TRUE(wrapper.Dispose());
    EXPECT_EQ(LastGdiStatus.load(), 0);
    EXPECT_EQ(wrapper.GetHandle(), nullptr);
    EXPECT_EQ(wrapper.typed(), nullptr);
    LastGdiStatus = 42;
    EXPECT_FALSE(wrapper.Dispose());
    EXPECT_EQ(LastGdiStatus.load(), 42);
}

TEST(StatusConvention, FailingCreateStillSetsHandleFromOutput) {
    ProbeWrapper wrapper;
    EXPECT_FALSE(wrapper.Create(0, 0));  // GDI+ refuses an empty bitmap
    EXPECT_EQ(LastGdiStatus.load(), Gdiplus::InvalidParameter);
    EXPECT_EQ(wrapper.handleSets, 1);
    EXPECT_EQ(wrapper.GetHandle(), wrapper.typed());
}

TEST(StatusConvention, ProducingSetsTargetEvenOnFailure) {
    ProbeWrapper source, target;
    ASSERT_TRUE(source.Create(3, 3));
    ASSERT_TRUE(source.Clone(target));
    EXPECT_NE(target.GetHandle(), nullptr);
    EXPECT_NE(target.GetHandle(), source.GetHandle());
    EXPECT_EQ(target.typed(), target.GetHandle());

    ProbeWrapper empty, target2;
    EXPECT_FALSE(empty.Clone(target2));  // null image
    EXPECT_EQ(LastGdiStatus.load(), Gdiplus::InvalidParameter);
    EXPECT_EQ(target2.handleSets, 1);
    EXPECT_EQ(target2.GetHandle(), nullptr);
}

TEST(GdiPlusObjectAlloc, AllocatesAndFreesThroughGdiplus) {
    ProbeWrapper wrapper;
    void* block = wrapper.Alloc(64);
    ASSERT_NE(block, nullptr);
    std::memset(block, 0xAB, 64);
    wrapper.Free(block);
    EXPECT_EQ(wrapper.Alloc(-1), nullptr);
}

TEST(Binding, MissingEntryPointOrLibraryIsFatalAndNamed) {
    struct Case {
        const char* mode;
        const char* library;
        const char* entry;
    };
    for (const Case& c : {Case{"missing-entry", "gdiplus.dll", "GdipNoSuchEntryPoint"},
                          Case{"missing-library", "nosuchlibrary.dll", "NoSuchFunction"}}) {
        SCOPED_TRACE(c.mode);
        ChildResult child = RunHelper("binding_probe.exe", c.mode);
        EXPECT_EQ(child.exitCode, kFatalExitCode);
        EXPECT_NE(child.output.find(c.library), std::string::npos) << child.output;
        EXPECT_NE(child.output.find(c.entry), std::string::npos) << child.output;
        EXPECT_EQ(child.output.find("returned"), std::string::npos) << child.output;
    }
}

TEST(Binding, LibraryIsLoadedAtFirstUseOnly) {
    ChildResult child = RunHelper("binding_probe.exe", "lazy");
    EXPECT_EQ(child.exitCode, 0u);
    EXPECT_NE(child.output.find("before=0 after=1"), std::string::npos) << child.output;
}

// Neither this program nor its helpers may import gdiplus.dll.
TEST(Binding, TestProgramDoesNotImportGdiplus) {
    const std::vector<std::string> imports = testing::ImportedLibraries(GetModuleHandleA(nullptr));
    EXPECT_FALSE(imports.empty());  // the walk did find the system imports
    for (const std::string& name : imports) EXPECT_NE(lstrcmpiA(name.c_str(), "gdiplus.dll"), 0) << name;
}

}  // namespace
}  // namespace gdiplus
