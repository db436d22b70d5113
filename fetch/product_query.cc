#include "fetch/product_query.h"

#include "products/stations.h"
#include "common/console.h"
#include "common/token_reads.h"
#include "products/archive.h"
#include "products/guidance.h"

std::vector<std::string> ProductIds() {
  std::vector<std::string> ids;
  for (const GuidanceFacts& guidance : kGuidanceTable)
    if (!guidance.serviceProduct.empty())
      for (std::string_view station : kBulletinStations)
        ids.push_back(ProductId(guidance.serviceProduct, station));
  for (std::string_view station : kClimateStations)
    ids.push_back(ProductId(kClimateReportProduct, station));
  return ids;
}

bool IsGuidanceId(std::string_view id) {
  return !id.starts_with(kClimateReportProduct);
}

bool IsServiceAddress(std::string_view source) {
  for (const char c : source)
    if (static_cast<unsigned char>(c) <= ' ' || c == '\x7f') return false;
  std::size_t host;
  if (StartsWithAnyCase(source, "http://"))
    host = 7;
  else if (StartsWithAnyCase(source, "https://"))
    host = 8;
  else
    return false;
  return host < source.size() && source[host] != '/' && source[host] != '?' &&
         source[host] != '#';
}

std::string_view ServiceHost(std::string_view source) {
  const std::size_t scheme = source.find("://");
  if (scheme != std::string_view::npos) source.remove_prefix(scheme + 3);
  return source.substr(0, source.find_first_of("/?#"));
}

std::string ProductUrl(std::string_view source, std::string_view id,
                       const IssueDate& day) {
  const std::string_view separator =
      source.find('?') == std::string_view::npos ? "?" : "&";
  return Fill("{}{}pil={}&fmt=text&limit=9999&sdate={}&edate={}",
              {source, separator, id, FormatIsoDate(day),
               FormatIsoDate(AddDays(day, 1))});
}

std::string UserAgent() { return "orvanne-forecast/" ORVANNE_VERSION; }
