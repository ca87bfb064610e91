#pragma once
// What the fuzz targets use to report a broken property: the input is printed
// and the process aborts, which libFuzzer records as a crash and a replay test
// reports as a failure.
#include <cstdio>
#include <cstdlib>
#include <string_view>

[[noreturn]] inline void KvFuzzFailure(const char* file, int line, const char* property, std::string_view input) {
    std::fprintf(stderr, "%s:%d: property broken: %s\ninput: \"%.*s\"\n", file, line, property,
                 static_cast<int>(input.size()), input.data());
    std::abort();
}

#define KV_FUZZ_CHECK(condition, input) ((condition) ? void() : KvFuzzFailure(__FILE__, __LINE__, #condition, (input)))
