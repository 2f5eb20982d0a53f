#include "Primer.h"

#include <QFont>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>

namespace Pictures {
namespace {

const char* const kPrimerHtml = R"(
<h1 style="color:#1f3a5a">Where rework begins</h1>
<p style="color:#5b6775"><i>A primer for project teams using TOVA phase reviews</i></p>

<h2 style="color:#1f3a5a">Why rework deserves a review of its own</h2>
<p>Rework is work done again because it was not right the first time: a wall rebuilt because it was set
out from a superseded drawing, a pump replaced because the data sheet named the wrong duty, a pipe rack
altered because a late client change moved the equipment it carried. On many engineering and construction
projects the direct cost of rework is a noticeable share of the contract value, and its effects on the
schedule, on morale and on safety reach further still.</p>
<p>Most rework is found on site, but little of it starts there. It is usually the visible result of a
weakness that arose weeks or months earlier, in an earlier phase and often in another organisation. A
review at the end of each phase gives the team a chance to find those weaknesses while they can still be
put right cheaply.</p>

<h2 style="color:#1f3a5a">Five groups of causes</h2>
<p>TOVA arranges the causes of rework in five groups, drawn as the bones of a cause-and-effect diagram
whose head is rework itself.</p>

<h3 style="color:#1f7a7a">1. People and organisation</h3>
<p>Skills, responsibilities, communication and continuity. <b>Warning signs:</b> key people named in the
proposal never arrive; nobody can say who approves a change; designers and site staff meet only when
something has gone wrong; a key engineer leaves and takes the reasons for decisions along.
<b>First actions:</b> agree a responsibility matrix, plan senior checking time, hold short daily
briefings on site and hand over knowledge in writing when people move on.</p>

<h3 style="color:#1f7a7a">2. Design and documentation</h3>
<p>Scope, design reviews, constructability, document control and interfaces. <b>Warning signs:</b>
requirements still moving during detailed design; drawings issued without an independent check; crews
working from old revisions; clashes between disciplines found during installation.
<b>First actions:</b> freeze the design basis, schedule formal and constructability reviews, issue only
from one controlled register and keep an interface register with an owner for every interface.</p>

<h3 style="color:#1f7a7a">3. Procurement and suppliers</h3>
<p>Procurement planning, supplier capability, specifications and fabrication quality. <b>Warning
signs:</b> orders placed on immature data; specifications copied from another project; deviations agreed
by telephone; items arriving damaged or incomplete.
<b>First actions:</b> link requisitions to design maturity, prequalify suppliers for quality, review
inspection and test plans before fabrication and inspect every delivery on arrival.</p>

<h3 style="color:#1f7a7a">4. Construction and site management</h3>
<p>Planning and sequencing, work packaging, quality control, materials and subcontractors. <b>Warning
signs:</b> crews waiting for information or improvising; work done out of sequence; inspections skipped
under schedule pressure; one trade damaging the finished work of another.
<b>First actions:</b> plan a few weeks ahead and remove obstacles before work starts, release only
complete work packages, inspect before work is covered and record every piece of rework with its cause.</p>

<h3 style="color:#1f7a7a">5. Client and change management</h3>
<p>Client requirements, change control, approvals and permits. <b>Warning signs:</b> client comments
arriving after the design has moved on; changes made on verbal instructions; work started before an
approval is in place.
<b>First actions:</b> involve the client's users and operators early, assess every change for its effect
on work already done, confirm instructions in writing and keep a permit register.</p>

<h2 style="color:#1f3a5a">Rework causes by phase</h2>
<table border="1" cellspacing="0" cellpadding="4" width="100%">
<tr style="background:#e9eef3"><th>Phase</th><th>Typical roots of later rework</th></tr>
<tr><td>Feasibility and concept</td><td>Unclear objectives, thin site investigation, no construction input, permits overlooked.</td></tr>
<tr><td>Design</td><td>Late requirements, unchecked drawings, missing interfaces, clashes between disciplines.</td></tr>
<tr><td>Procurement and contracting</td><td>Incomplete data sheets, unclear package scope, weak supplier surveillance.</td></tr>
<tr><td>Construction</td><td>Incomplete work packages, superseded drawings, out-of-sequence work, uncontrolled field changes.</td></tr>
<tr><td>Commissioning and handover</td><td>Systems completed in the wrong order, open defects, missing records.</td></tr>
</table>

<h2 style="color:#1f3a5a">Holding a good phase review</h2>
<ul>
<li>Invite the people who know the work: project manager, lead engineers, construction manager, procurement
lead and, where possible, the client.</li>
<li>Answer each question for the project as it is, not as it should be. An honest answer now is worth
more than a good score.</li>
<li>Use <i>Not applicable</i> only when a question truly does not apply to the project.</li>
<li>Finish the review with a short list of actions, each with an owner and a date, for the categories with
the weakest scores.</li>
<li>Compare the results with earlier reviews on the trend graphs to see whether the actions worked.</li>
</ul>
<p style="color:#5b6775"><i>&copy; The TOVA authors. This primer may be copied for use within your project team.</i></p>
)";

} // namespace

bool writePrimer(const QString& path) {
    QPdfWriter writer(path);
    writer.setTitle(QStringLiteral("Where rework begins"));
    writer.setCreator(QStringLiteral("TOVA"));
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(20, 20, 20, 20),
                                     QPageLayout::Millimeter));
    writer.setResolution(300);

    QTextDocument document;
    QFont base(QStringLiteral("DejaVu Sans"));
    base.setPointSizeF(10.5);
    document.setDefaultFont(base);
    document.setHtml(QString::fromUtf8(kPrimerHtml));
    // The document lays itself out at screen resolution; the page size in those units keeps the
    // text at its point size once print() scales the pages to the writer's resolution.
    const QSizeF pagePoints = writer.pageLayout().paintRect(QPageLayout::Point).size();
    document.setPageSize(pagePoints * (96.0 / 72.0));
    document.print(&writer);
    return true;
}

} // namespace Pictures
