#pragma once

#include <string>
#include <vector>

// The pages a contents or index sitemap points at: every
// <param name="Local" value="..."> in it.
std::vector<std::string> sitemapTargets(const std::string& sitemap);

// The files inside the document a page refers to with href= or src=;
// addresses with a scheme (http:, mailto:) and links within the page
// ("#top") are left out.
std::vector<std::string> pageLinkTargets(const std::string& page);

// The directory name a link target is stored under: "a.htm#part" is "/a.htm".
std::string storedNameOf(const std::string& target);
