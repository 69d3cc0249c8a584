#include "sandbox/Certificate.h"

#include <openssl/ec.h>
#include <openssl/pem.h>
#include <openssl/x509v3.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>

namespace zonivo::sandbox {
namespace {

void AddExtension(X509* cert, int nid, const char* value) {
  X509V3_CTX context;
  X509V3_set_ctx_nodb(&context);
  X509V3_set_ctx(&context, cert, cert, nullptr, nullptr, 0);
  X509_EXTENSION* extension = X509V3_EXT_conf_nid(nullptr, &context, nid, value);
  X509_add_ext(cert, extension, -1);
  X509_EXTENSION_free(extension);
}

Certificate Make() {
  EVP_PKEY* key = EVP_EC_gen("P-256");
  X509* cert = X509_new();
  X509_set_version(cert, 2);
  ASN1_INTEGER_set(X509_get_serialNumber(cert), static_cast<long>(getpid()));
  X509_gmtime_adj(X509_getm_notBefore(cert), -3600);
  X509_gmtime_adj(X509_getm_notAfter(cert), 7 * 24 * 3600);
  X509_set_pubkey(cert, key);
  X509_NAME* name = X509_get_subject_name(cert);
  X509_NAME_add_entry_by_txt(name, "CN", MBSTRING_ASC,
                             reinterpret_cast<const unsigned char*>("stand-in service"), -1, -1, 0);
  X509_set_issuer_name(cert, name);
  AddExtension(cert, NID_basic_constraints, "critical,CA:TRUE");
  AddExtension(cert, NID_subject_alt_name, "IP:127.0.0.1,DNS:localhost");
  X509_sign(cert, key, EVP_sha256());

  const auto path = std::filesystem::temp_directory_path() /
                    ("zonivo-stand-in-" + std::to_string(getpid()) + ".pem");
  if (FILE* file = std::fopen(path.c_str(), "w")) {
    PEM_write_X509(file, cert);
    std::fclose(file);
  }
  return {cert, key, path.string()};
}

}  // namespace

const Certificate& LoopbackCertificate() {
  static const Certificate certificate = Make();
  return certificate;
}

}  // namespace zonivo::sandbox
