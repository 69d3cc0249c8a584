#pragma once

namespace zonivo::message {

// The texts that the command operations return, in UTF-8.
inline constexpr const char* kDomainAdded = "添加域名成功";
inline constexpr const char* kDomainRemoved = "删除域名成功";
inline constexpr const char* kRecordAdded = "添加记录成功";
inline constexpr const char* kRecordModified = "修改记录成功";
inline constexpr const char* kRecordRemoved = "删除记录成功";
inline constexpr const char* kStatusSet = "设置状态成功";
inline constexpr const char* kAccountRejected = "账号验证失败";
inline constexpr const char* kInvalidDomain = "域名无效";
inline constexpr const char* kBadDomainId = "域名ID错误";
inline constexpr const char* kDomainExists = "域名已存在";
inline constexpr const char* kNoSuchDomain = "域名不存在";
inline constexpr const char* kNotOwner = "非域名所有者";
inline constexpr const char* kNoSuchRecord = "记录不存在";
inline constexpr const char* kBadHostName = "主机记录错误";
inline constexpr const char* kBadValue = "记录值错误";
inline constexpr const char* kNsOnApex = "不能为@记录设置NS类型";
inline constexpr const char* kTtlTooSmall = "TTL 必须大于 1";
inline constexpr const char* kMxTooSmall = "MX 必须大于 1";
inline constexpr const char* kRecordConflict = "记录重复或者和 CNAME 记录冲突";
inline constexpr const char* kUnknownError = "未知错误";
inline constexpr const char* kConnectionFailed = "连接服务器失败";

}  // namespace zonivo::message
