#include "platform/system/dynamic_library.h"

#include <gtest/gtest.h>

namespace {

TEST(DynamicLibrary, LoadsFindsAndReportsFailures)
{
    TDynamicLibrary library;
    EXPECT_EQ(library.Symbol("cos"), nullptr);
    ASSERT_TRUE(library.Load("libm.so.6")) << library.LastError();
    const auto cosine = library.FunctionAddress<double (*)(double)>("cos");
    ASSERT_NE(cosine, nullptr);
    EXPECT_EQ(cosine(0.0), 1.0);
    EXPECT_EQ(library.Symbol("no_such_function_here"), nullptr);
    EXPECT_NE(library.LastError().find("no_such_function_here"), std::string::npos);

    TDynamicLibrary moved = std::move(library);
    EXPECT_FALSE(library.Loaded());
    EXPECT_TRUE(moved.Loaded());
    EXPECT_NE(moved.Symbol("sin"), nullptr);

    EXPECT_FALSE(moved.Load("/nonexistent/libnothing.so"));
    EXPECT_FALSE(moved.Loaded());
    EXPECT_NE(moved.LastError().find("libnothing"), std::string::npos);
}

} // namespace
