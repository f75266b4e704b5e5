#include "publish/siteassets.h"

namespace rzv {

QByteArray stylesheet() {
    return QByteArrayLiteral(R"css(*{box-sizing:border-box}
body{margin:0;font:16px/1.45 system-ui,-apple-system,"Segoe UI",Roboto,"Liberation Sans",Arial,sans-serif;color:#1b1b1b;background:#fff}
body.blau{background:#AACCFF}
body.blau main{background:#fff;border-radius:.4rem;padding-top:.1rem;padding-bottom:.6rem}
header,main,footer{max-width:75rem;margin:0 auto;padding:0 .75rem}
header{padding-top:.5rem;border-bottom:1px solid #ccd}
nav{display:flex;flex-wrap:wrap;gap:.15rem 1rem}
nav a{display:inline-block;padding:.35rem 0}
h1{font-size:1.45rem;margin:.9rem 0 .3rem}
h2{font-size:1.15rem;margin:1.6rem 0 .4rem}
h1,h2,p,caption,dd{overflow-wrap:anywhere}
a{color:#0b57a4}
.suche{margin:.4rem 0 .7rem}
.suche input{font:inherit;width:100%;max-width:22rem;padding:.4rem .55rem;border:1px solid #8a8f98;border-radius:.3rem}
.suche label{display:block;font-size:.85rem;color:#444}
.tabelle{overflow-x:auto;margin:0 0 1.2rem;-webkit-overflow-scrolling:touch}
table{border-collapse:collapse;font-size:.95rem}
caption{text-align:left;font-weight:600;padding:.3rem 0}
th,td{padding:.3rem .55rem;text-align:left;vertical-align:top;border-bottom:1px solid #dde}
thead th{border-bottom:2px solid #555;white-space:nowrap}
tbody th{font-weight:normal;min-width:10rem}
td.n a{white-space:nowrap}
td.z,th.z{text-align:right;font-variant-numeric:tabular-nums;white-space:nowrap}
tbody tr:nth-child(even){background:rgba(0,0,60,.04)}
dl{display:grid;grid-template-columns:max-content 1fr;gap:.2rem 1rem}
dt{color:#444}
dd{margin:0}
footer{color:#555;font-size:.85rem;padding-top:1.5rem;padding-bottom:1rem}
@media (max-width:40rem){
.jg{display:none}
th,td{padding:.3rem .4rem}
}
@media print{
nav,.suche,#keine-treffer{display:none}
body,body.blau{background:#fff;font-size:10pt}
header{border:0}
.tabelle{overflow:visible}
a{color:inherit;text-decoration:none}
tbody tr{break-inside:avoid}
tbody tr:nth-child(even){background:none}
}
)css");
}

// Filters the rows of every list of the page by the text in the search field (the row's header
// cell, the club and the names of a team's runners),
// hides the tables and sections left empty, and takes the text from ?suche= on opening.
QByteArray suchskript() {
    return QByteArrayLiteral(R"js("use strict";
document.addEventListener("DOMContentLoaded", function () {
  var feld = document.getElementById("suche");
  var listen = document.querySelectorAll("table.liste");
  if (!feld) return;
  var gesucht = new URLSearchParams(location.search).get("suche");
  if (gesucht) feld.value = gesucht;
  if (!listen.length) return;
  var hinweis = document.getElementById("keine-treffer");
  function klein(text) { return text.toLocaleLowerCase("de"); }
  function filtern() {
    var text = klein(feld.value.trim());
    var treffer = 0;
    listen.forEach(function (tabelle) {
      var sichtbar = 0;
      Array.prototype.forEach.call(tabelle.tBodies[0].rows, function (zeile) {
        var inhalt = Array.prototype.map.call(zeile.querySelectorAll("th, .v, .n"), function (zelle) {
          return zelle.textContent;
        }).join("\n");
        var passt = text === "" || klein(inhalt).indexOf(text) >= 0;
        zeile.hidden = !passt;
        if (passt) sichtbar++;
      });
      tabelle.parentNode.hidden = sichtbar === 0;
      treffer += sichtbar;
    });
    document.querySelectorAll("section").forEach(function (abschnitt) {
      abschnitt.hidden = !abschnitt.querySelector(".tabelle:not([hidden])");
    });
    if (hinweis) hinweis.hidden = treffer > 0;
  }
  feld.addEventListener("input", filtern);
  feld.form.addEventListener("submit", function (ereignis) {
    ereignis.preventDefault();
    filtern();
  });
  filtern();
});
)js");
}

} // namespace rzv
