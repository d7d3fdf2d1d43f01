#pragma once
namespace standin {
// Installs iconv-based UTF-8 <-> code page 932 converters for the native build.
void InstallHostTextConverters();
}  // namespace standin
