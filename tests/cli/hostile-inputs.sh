#!/usr/bin/env bash
# Small or legal inputs built to cost tarvex-cli minutes or gigabytes. Each row is generated here
# (nothing of this size is kept in the repository) and run under a memory ceiling and a kill
# deadline far above what a sound run needs: the deadline only catches a hang, it measures nothing.
#
#   hostile-inputs.sh TARVEX_CLI WORK_FOLDER          run every row, fail on the first wrong one
#   hostile-inputs.sh TARVEX_CLI WORK_FOLDER ROW      only generate ROW and print its command line
set -u

cli=$1
work=$2
only=${3:-}
memory=$((1 << 30))
deadline=60

rm -rf "$work"
mkdir -p "$work"
cd "$work" || exit 1

divs() {
    awk -v n="$1" 'BEGIN { for (i = 0; i < n; i++) printf "<div>" }'
}

project_head() {
    printf '<?xml version="1.0" encoding="iso-8859-1"?>\r\n<PROJECT>\r\n<MENU>\r\n'
}

gen_page_comment() {
    { printf '<html><body><!-- x --!>'; divs 400000; } >page.html
    cmd=(import page.html -o out.xml --no-style)
}

gen_page_bogus_comment() {
    { printf '<html><body><!x="'; divs 400000; } >page.html
    cmd=(import page.html -o out.xml --no-style)
}

gen_page_select_style() {
    { printf '<html><body><select><style></select>'; divs 400000; } >page.html
    cmd=(import page.html -o out.xml --no-style)
}

# Formatting elements closed by their block come back as copies before every later text.
gen_page_formatting() {
    {
        printf '<html><body><div>'
        awk 'BEGIN { for (i = 0; i < 500; i++) printf "<b a=%d>", i; printf "</div>";
                     for (i = 0; i < 59000; i++) printf "<p>x</p>" }'
    } >page.html
    cmd=(import page.html -o out.xml --no-style)
}

gen_sitemap_index() {
    awk 'BEGIN { print "<urlset xmlns=\"http://www.sitemaps.org/schemas/sitemap/0.9\">";
                 for (i = 0; i < 300000; i++) printf "<url><loc>https://example.com/p%07d.html</loc></url>\n", i;
                 print "</urlset>" }' >map.xml
    awk 'BEGIN { print "<sitemapindex xmlns=\"http://www.sitemaps.org/schemas/sitemap/0.9\">";
                 for (i = 0; i < 1000; i++) print "<sitemap><loc>https://example.com/map.xml</loc></sitemap>";
                 print "</sitemapindex>" }' >index.xml
    cmd=(import "$PWD/index.xml" -o out.xml --no-style)
}

gen_sitemap_titles() {
    { printf '<html><head><title>One page</title></head><body>'; head -c $((4 * 1024 * 1024 - 100)) /dev/zero |
        tr '\0' 'x'; printf '</body></html>'; } >page.html
    awk 'BEGIN { print "<urlset xmlns=\"http://www.sitemaps.org/schemas/sitemap/0.9\">";
                 for (i = 0; i < 50000; i++) printf "<url><loc>https://h%d.example/page.html</loc></url>\n", i;
                 print "</urlset>" }' >map.xml
    cmd=(import "$PWD/map.xml" -o out.xml --no-style)
}

gen_folder_links() {
    mkdir links
    for i in $(seq 1 250); do ln -s . "links/self$i"; done
    for i in $(seq 1 20); do printf '[InternetShortcut]\r\nURL=https://example.com/%d\r\n' "$i" >"links/s$i.url"; done
    cmd=(import links -o out.xml --no-style)
}

gen_folder_many() {
    mkdir many
    (cd many && for i in $(seq 1 10050); do printf 'URL=https://example.com/%d\r\n' "$i" >"s$i.url"; done)
    cmd=(import many -o out.xml --no-style)
}

gen_folder_unreadable() {
    mkdir some
    printf 'URL=https://example.com/\r\n' >some/good.url
    mkfifo some/stuck.url
    cmd=(import some -o out.xml --no-style)
}

gen_html_deep() {
    {
        project_head
        awk 'BEGIN { for (i = 0; i < 20000; i++) printf "<MENU_GROUP>\r\n<Caption>G</Caption>\r\n<Image></Image>\r\n<Address>a.htm</Address>\r\n<Target></Target>\r\n";
                     for (i = 0; i < 20000; i++) printf "</MENU_GROUP>\r\n" }'
        printf '</MENU>\r\n</PROJECT>\r\n'
    } >deep.xml
    cmd=(html deep.xml -o deep.html)
}

# Items of the smallest form (LARGE_MB of them), by default past the limit of blocks.
gen_project_large() {
    {
        project_head
        awk -v n=$((${LARGE_MB:-8} * 1024 * 1024 / 26)) 'BEGIN { for (i = 0; i < n; i++) printf "<MENU_ITEM>\r\n</MENU_ITEM>\r\n" }'
        printf '</MENU>\r\n</PROJECT>\r\n'
    } >large.xml
    cmd=(format large.xml -o out.xml)
}

gen_sitemap_gzip() {
    printf '<urlset><url><loc>https://example.com/</loc></url></urlset>\n' | gzip >map.xml
    cmd=(import map.xml -o out.xml --no-style)
}

gen_page_utf16() {
    printf '<html><body><nav><a href="/">Home</a></nav></body></html>' |
        iconv -f UTF-8 -t UTF-16 >page.html
    cmd=(import page.html -o out.xml --no-style)
}

# row | exit status | what standard error must say (an extended regular expression; empty: nothing)
rows=(
    "page_comment|1|nested too deeply"
    "page_bogus_comment|1|nested too deeply"
    "page_select_style|1|nested too deeply"
    "page_formatting|1|too many elements"
    "sitemap_index|1|more than 50000 pages"
    "sitemap_titles|0|"
    "folder_links|0|"
    "folder_many|0|only the first 10000 were read"
    "folder_unreadable|0|could not be read and were left out:"
    "html_deep|0|"
    "project_large|1|more than 250000 menu entries"
    "sitemap_gzip|1|gunzip"
    "page_utf16|1|UTF-16"
)

failed=0
for row in "${rows[@]}"; do
    IFS='|' read -r name status message <<<"$row"
    if [[ -n $only && $only != "$name" ]]; then
        continue
    fi
    mkdir "$name" && cd "$name" || exit 1
    "gen_$name"
    if [[ -n $only ]]; then
        printf '%s\n' "$work/$name" "${cmd[*]}"
        exit 0
    fi
    timeout -s KILL "$deadline" prlimit --as="$memory" -- "$cli" "${cmd[@]}" >stdout.txt 2>stderr.txt
    got=$?
    err=$(cat stderr.txt)
    if [[ $got -ne $status ]]; then
        echo "FAIL $name: exit status $got, expected $status; stderr: ${err:0:300}"
        failed=1
    elif [[ -n $message ]] && ! grep -Eq "$message" stderr.txt; then
        echo "FAIL $name: stderr lacks /$message/: ${err:0:300}"
        failed=1
    elif [[ -z $message && -n $err ]]; then
        echo "FAIL $name: unexpected stderr: ${err:0:300}"
        failed=1
    else
        echo "ok   $name"
    fi
    cd "$work" && rm -rf "$name"
done
exit $failed
