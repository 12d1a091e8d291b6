#include <gtest/gtest.h>

#include <cstdlib>

// The toolkits find this build's modules and a MIME database that knows the two file types
// before either of them starts.
int main(int argc, char** argv) {
    setenv("GDK_PIXBUF_MODULE_FILE", MOSAIKON_PLUGIN_DIR "/loaders.cache", 1);
    setenv("QT_PLUGIN_PATH", MOSAIKON_PLUGIN_DIR, 1);
    setenv("XDG_DATA_DIRS", MOSAIKON_PLUGIN_DIR ":/usr/share", 1);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
