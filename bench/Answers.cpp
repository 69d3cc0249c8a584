#include "bench/Answers.h"

namespace zonivo::bench {

std::string RecordListAnswer(int records) {
  std::string answer =
      "<?xml version=\"1.0\" "
      "encoding=\"UTF-8\"?>\n<zonivo>\n<status>\n<code>1</code>\n</status>\n<records>\n";
  for (int i = 0; i < records; ++i) {
    const std::string n = std::to_string(i);
    answer +=
        "<item>\n<id>" + n + "</id>\n<name>host" + n + "</name>\n<line><![CDATA[默认]]></line>\n" +
        "<type>A</type>\n<ttl>600</ttl>\n<value><![CDATA[10.0." + std::to_string(i / 256 % 256) +
        "." + std::to_string(i % 256) + "]]></value>\n<mx>0</mx>\n<enabled>1</enabled>\n</item>\n";
  }
  return answer + "</records>\n</zonivo>\n";
}

std::string DomainListAnswer(int domains) {
  std::string answer =
      "<?xml version=\"1.0\" "
      "encoding=\"UTF-8\"?>\n<zonivo>\n<status>\n<code>1</code>\n</status>\n<domains>\n";
  for (int i = 0; i < domains; ++i) {
    const std::string n = std::to_string(i);
    answer += "<item>\n<id>" + n + "</id>\n<name>域名" + n +
              ".com</name>\n<status>enable</status>\n" + "<records>" + std::to_string(i % 30) +
              "</records>\n<group_id>1</group_id>\n</item>\n";
  }
  return answer + "</domains>\n</zonivo>\n";
}

std::string MixedText(std::size_t bytes) {
  std::string text;
  while (text.size() < bytes) text += "<name>正常记录 example.com 默认线路</name>\n";
  return text;
}

}  // namespace zonivo::bench
