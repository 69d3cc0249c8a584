#pragma once

#include <string_view>

#include "net/Text.h"

namespace zonivo {

inline constexpr std::string_view kDomainList = "/Domain.List";
inline constexpr std::string_view kDomainCreate = "/Domain.Create";
inline constexpr std::string_view kDomainRemove = "/Domain.Remove";
inline constexpr std::string_view kRecordList = "/Record.List";
inline constexpr std::string_view kRecordCreate = "/Record.Create";
inline constexpr std::string_view kRecordModify = "/Record.Modify";
inline constexpr std::string_view kRecordRemove = "/Record.Remove";
inline constexpr std::string_view kRecordStatus = "/Record.Status";

// The address of the service's API server, "https://api.zonivo.com".
Text ApiBase();

// Points every request at another server. For tests only.
void SetApiBaseForTesting(const Text& base);

}  // namespace zonivo
