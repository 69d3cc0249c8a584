#pragma once

#include <openssl/evp.h>
#include <openssl/x509.h>

#include <string>

namespace zonivo::sandbox {

// A self-signed certificate for 127.0.0.1 and localhost, made once per
// process, with its key and a PEM file that the client is given as the only
// extra certificate it trusts.
struct Certificate {
  X509* certificate;
  EVP_PKEY* key;
  std::string pemFile;
};

const Certificate& LoopbackCertificate();

}  // namespace zonivo::sandbox
