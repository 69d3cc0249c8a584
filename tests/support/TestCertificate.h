#pragma once

#include <openssl/evp.h>
#include <openssl/x509.h>

#include <string>

namespace zonivo::test {

// A self-signed certificate for 127.0.0.1 and localhost, made once per test
// process, with its key and a PEM file that tests hand to libcurl as the only
// extra trusted certificate.
struct TestCertificate {
  X509* certificate;
  EVP_PKEY* key;
  std::string pemFile;
};

const TestCertificate& LoopbackCertificate();

}  // namespace zonivo::test
