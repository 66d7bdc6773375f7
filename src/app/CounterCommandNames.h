#pragma once

// The names the error boxes of the counter selection commands carry: "APP. ERR (" + name + "):  "
// + the failure's message. They are fixed per command and are not always the handler's name.
namespace CounterCommandNames {

inline constexpr char16_t setCategory[] = u"SetCategory";
inline constexpr char16_t addCounter[] = u"AddCounterClick";
inline constexpr char16_t deleteCounter[] = u"sgSysmonCountersKeyDown";
inline constexpr char16_t clearCounters[] = u"Clear Counters";
inline constexpr char16_t saveCounters[] = u"btSaveCountersClick";
inline constexpr char16_t loadCounters[] = u"btLoadCountersClick";
inline constexpr char16_t loadDefaultCounters[] = u"LoadCountersFromIniFile";
inline constexpr char16_t exportCounters[] = u"btExportOneClick";

} // namespace CounterCommandNames
